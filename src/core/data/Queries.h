#pragma once

// Every record set of the program is opened from one of these statements. Several windows rely on
// the row order, so the order clauses are part of the contract.
namespace Queries {

// On each day the balance rows (non-zero CloseBalance) come first, by CloseBalance, so that a
// stated balance resets the running balance before that day's transactions, in credit as in
// debit; then the other rows by InterestPayment and ID, whether their CloseBalance is empty or 0,
// so that a balance pass filling in 0 never moves a row.
inline constexpr const char* AllRecordsView =
    "select ID,Date,GovtCharge,BankCharge,UserWithdrawal,Deposit,InterestPayment,OpenBalance,"
    "CloseBalance from tblAllRecords Order by Date,ifnull(CloseBalance,0)=0,"
    "nullif(CloseBalance,0),InterestPayment,ID";
inline constexpr const char* AllRecordsLastBalance =
    "select ID,Date,OpenBalance from tblAllRecords order by Date,ID";
inline constexpr const char* AllRecordsDates = "select Date from tblAllRecords Order by Date";
inline constexpr const char* AllRecordsReport =
    "select ID,Date,GovtCharge,BankCharge,UserWithdrawal,Deposit,InterestPayment,OpenBalance,"
    "CloseBalance,InterestDue from tblAllRecords Order by Date,InterestPayment,ID";
inline constexpr const char* ThisSession =
    "select ID,Date,GovtCharge,BankCharge,UserWithdrawal,Deposit,InterestPayment,Balance from "
    "tblThisSession Order by Date,ID";
inline constexpr const char* ThisSessionReport =
    "select ID,Date,GovtCharge,BankCharge,UserWithdrawal,Deposit,InterestPayment from "
    "tblThisSession Order by Date,ID";
inline constexpr const char* InterestChanges =
    "select ID,ValidFrom,ValidTo,InterestRate from tblInterestChanges Order by ValidTo,ID";
inline constexpr const char* CalcTo = "select CalcFrom,CalcTo,ID from tblCalcTo Order by ID";
inline constexpr const char* Numbers =
    "select ID,StatementNumber from tblNumber Order by StatementNumber";
inline constexpr const char* Report =
    "select ID,Date,GovtCharge,BankCharge,UserWithdrawal,Deposit,InterestPayment,OpenBalance,"
    "CloseBalance,InterestDue from tblReport Order by ID";
inline constexpr const char* OffsetBalances =
    "select ID,Date,Balance from tblOffsetBalances Order by Date,ID";

inline constexpr const char* All[] = {
    AllRecordsView,    AllRecordsLastBalance, AllRecordsDates, AllRecordsReport, ThisSession,
    ThisSessionReport, InterestChanges,       CalcTo,          Numbers,          Report,
    OffsetBalances};

} // namespace Queries

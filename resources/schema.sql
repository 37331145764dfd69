-- The loan account file: six tables and the account's settings. Money is an INTEGER count
-- of ten-thousandths, dates are ISO yyyy-MM-dd text, an empty value is NULL. The CHECK
-- constraints keep values of the wrong kind out, so that nothing stored can later sort or
-- sum wrongly. Layout 2 added tblSettings, layout 3 tblOffsetBalances and tblReport's Offset,
-- layout 4 tblRateTerms, tblSeries and tblSeriesRates, layout 5 the bank's transaction ids
-- (FITID) in tblAllRecords and tblThisSession; AccountSchema::upgrade adds them to older files.
PRAGMA user_version = 5;

CREATE TABLE tblAllRecords (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Date TEXT CHECK (Date IS NULL OR (typeof(Date) = 'text' AND length(Date) = 10 AND date(Date, '+0 days') = Date)),
    GovtCharge INTEGER CHECK (GovtCharge IS NULL OR typeof(GovtCharge) = 'integer'),
    BankCharge INTEGER CHECK (BankCharge IS NULL OR typeof(BankCharge) = 'integer'),
    UserWithdrawal INTEGER CHECK (UserWithdrawal IS NULL OR typeof(UserWithdrawal) = 'integer'),
    Deposit INTEGER CHECK (Deposit IS NULL OR typeof(Deposit) = 'integer'),
    InterestPayment INTEGER CHECK (InterestPayment IS NULL OR typeof(InterestPayment) = 'integer'),
    OpenBalance INTEGER CHECK (OpenBalance IS NULL OR typeof(OpenBalance) = 'integer'),
    CloseBalance INTEGER CHECK (CloseBalance IS NULL OR typeof(CloseBalance) = 'integer'),
    InterestDue INTEGER CHECK (InterestDue IS NULL OR typeof(InterestDue) = 'integer'),
    FITID TEXT CHECK (FITID IS NULL OR typeof(FITID) = 'text')
);

CREATE TABLE tblThisSession (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Date TEXT CHECK (Date IS NULL OR (typeof(Date) = 'text' AND length(Date) = 10 AND date(Date, '+0 days') = Date)),
    GovtCharge INTEGER CHECK (GovtCharge IS NULL OR typeof(GovtCharge) = 'integer'),
    BankCharge INTEGER CHECK (BankCharge IS NULL OR typeof(BankCharge) = 'integer'),
    UserWithdrawal INTEGER CHECK (UserWithdrawal IS NULL OR typeof(UserWithdrawal) = 'integer'),
    Deposit INTEGER CHECK (Deposit IS NULL OR typeof(Deposit) = 'integer'),
    InterestPayment INTEGER CHECK (InterestPayment IS NULL OR typeof(InterestPayment) = 'integer'),
    Balance INTEGER CHECK (Balance IS NULL OR typeof(Balance) = 'integer'),
    FITID TEXT CHECK (FITID IS NULL OR typeof(FITID) = 'text')
);

CREATE TABLE tblInterestChanges (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    ValidFrom TEXT CHECK (ValidFrom IS NULL OR (typeof(ValidFrom) = 'text' AND length(ValidFrom) = 10 AND date(ValidFrom, '+0 days') = ValidFrom)),
    ValidTo TEXT CHECK (ValidTo IS NULL OR (typeof(ValidTo) = 'text' AND length(ValidTo) = 10 AND date(ValidTo, '+0 days') = ValidTo)),
    InterestRate REAL CHECK (InterestRate IS NULL OR typeof(InterestRate) = 'real')
);

CREATE TABLE tblCalcTo (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    CalcFrom TEXT CHECK (CalcFrom IS NULL OR typeof(CalcFrom) = 'text'),
    CalcTo TEXT CHECK (CalcTo IS NULL OR typeof(CalcTo) = 'text')
);

CREATE TABLE tblNumber (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    StatementNumber INTEGER CHECK (StatementNumber IS NULL OR (typeof(StatementNumber) = 'integer' AND StatementNumber BETWEEN -32768 AND 32767))
);

CREATE TABLE tblReport (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Date TEXT CHECK (Date IS NULL OR (typeof(Date) = 'text' AND length(Date) = 10 AND date(Date, '+0 days') = Date)),
    GovtCharge INTEGER CHECK (GovtCharge IS NULL OR typeof(GovtCharge) = 'integer'),
    BankCharge INTEGER CHECK (BankCharge IS NULL OR typeof(BankCharge) = 'integer'),
    UserWithdrawal INTEGER CHECK (UserWithdrawal IS NULL OR typeof(UserWithdrawal) = 'integer'),
    Deposit INTEGER CHECK (Deposit IS NULL OR typeof(Deposit) = 'integer'),
    InterestPayment INTEGER CHECK (InterestPayment IS NULL OR typeof(InterestPayment) = 'integer'),
    OpenBalance INTEGER CHECK (OpenBalance IS NULL OR typeof(OpenBalance) = 'integer'),
    CloseBalance INTEGER CHECK (CloseBalance IS NULL OR typeof(CloseBalance) = 'integer'),
    InterestDue INTEGER CHECK (InterestDue IS NULL OR typeof(InterestDue) = 'integer'),
    Offset INTEGER CHECK (Offset IS NULL OR typeof(Offset) = 'integer')
);

-- Settings of the account, one row a name: the lender's day count and rounding of interest.
CREATE TABLE tblSettings (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT NOT NULL UNIQUE CHECK (typeof(Name) = 'text'),
    Value TEXT CHECK (Value IS NULL OR typeof(Value) = 'text')
);

-- The offset account's balance at the end of each day it changed: it holds until the next row.
CREATE TABLE tblOffsetBalances (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Date TEXT CHECK (Date IS NULL OR (typeof(Date) = 'text' AND length(Date) = 10 AND date(Date, '+0 days') = Date)),
    Balance INTEGER CHECK (Balance IS NULL OR typeof(Balance) = 'integer')
);

-- The loan's rate terms: each row a terms period from ValidFrom to the day before the next
-- row's. Terms is fixed, tracker, adjustable or variable; only the columns of its kind count.
CREATE TABLE tblRateTerms (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    ValidFrom TEXT CHECK (ValidFrom IS NULL OR (typeof(ValidFrom) = 'text' AND length(ValidFrom) = 10 AND date(ValidFrom, '+0 days') = ValidFrom)),
    Terms TEXT CHECK (Terms IS NULL OR typeof(Terms) = 'text'),
    InterestRate REAL CHECK (InterestRate IS NULL OR typeof(InterestRate) = 'real'),
    ValidTo TEXT CHECK (ValidTo IS NULL OR (typeof(ValidTo) = 'text' AND length(ValidTo) = 10 AND date(ValidTo, '+0 days') = ValidTo)),
    Series TEXT CHECK (Series IS NULL OR typeof(Series) = 'text'),
    Margin REAL CHECK (Margin IS NULL OR typeof(Margin) = 'real'),
    LagDays INTEGER CHECK (LagDays IS NULL OR (typeof(LagDays) = 'integer' AND LagDays BETWEEN -32768 AND 32767)),
    NextMonth INTEGER CHECK (NextMonth IS NULL OR (typeof(NextMonth) = 'integer' AND NextMonth BETWEEN -32768 AND 32767)),
    Rounding TEXT CHECK (Rounding IS NULL OR typeof(Rounding) = 'text'),
    RoundingStep REAL CHECK (RoundingStep IS NULL OR typeof(RoundingStep) = 'real'),
    FirstChange TEXT CHECK (FirstChange IS NULL OR (typeof(FirstChange) = 'text' AND length(FirstChange) = 10 AND date(FirstChange, '+0 days') = FirstChange)),
    ChangeMonths INTEGER CHECK (ChangeMonths IS NULL OR (typeof(ChangeMonths) = 'integer' AND ChangeMonths BETWEEN -32768 AND 32767)),
    LookBackDays INTEGER CHECK (LookBackDays IS NULL OR (typeof(LookBackDays) = 'integer' AND LookBackDays BETWEEN -32768 AND 32767)),
    FirstCap REAL CHECK (FirstCap IS NULL OR typeof(FirstCap) = 'real'),
    EachCap REAL CHECK (EachCap IS NULL OR typeof(EachCap) = 'real'),
    LifeCap REAL CHECK (LifeCap IS NULL OR typeof(LifeCap) = 'real'),
    RateFloor REAL CHECK (RateFloor IS NULL OR typeof(RateFloor) = 'real')
);

-- The reference series the account uses, copied in so that the account carries its evidence:
-- one row a series, its rates in tblSeriesRates.
CREATE TABLE tblSeries (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Series TEXT NOT NULL UNIQUE CHECK (typeof(Series) = 'text'),
    Name TEXT CHECK (Name IS NULL OR typeof(Name) = 'text'),
    Publisher TEXT CHECK (Publisher IS NULL OR typeof(Publisher) = 'text'),
    Source TEXT CHECK (Source IS NULL OR typeof(Source) = 'text'),
    CoversTo TEXT CHECK (CoversTo IS NULL OR (typeof(CoversTo) = 'text' AND length(CoversTo) = 10 AND date(CoversTo, '+0 days') = CoversTo))
);

-- Each rate of a series from the date it took effect.
CREATE TABLE tblSeriesRates (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Series TEXT CHECK (Series IS NULL OR typeof(Series) = 'text'),
    Date TEXT CHECK (Date IS NULL OR (typeof(Date) = 'text' AND length(Date) = 10 AND date(Date, '+0 days') = Date)),
    InterestRate REAL CHECK (InterestRate IS NULL OR typeof(InterestRate) = 'real')
);

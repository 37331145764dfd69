-- Fixed Day, Deferred Interest (method 1), calculation day 1: periods end on the 28th and are
-- posted the next day; the lender charges its interest on the 28th itself, and that charge bears
-- no interest on its own day. The history crosses 29 February 2024, goes into credit in May 2024,
-- has a balance row that agrees with the balance (deleted) and one that does not (resets), and a
-- gap in the rate periods in March 2025 at which the report stops. Statements 1 to 3 were never
-- entered.
-- Amounts are written in dollars in a scratch table and stored as ten-thousandths.
CREATE TEMP TABLE rows (Date, GovtCharge, BankCharge, UserWithdrawal, Deposit, InterestPayment, CloseBalance);
INSERT INTO rows VALUES
    -- statement 4
    ('2023-11-20', NULL, NULL, NULL, NULL, NULL, -180450.60),
    ('2023-11-28', NULL, NULL, NULL, NULL, 998.14, NULL),
    ('2023-12-05', NULL, NULL, NULL, 1200.00, NULL, NULL),
    ('2023-12-28', NULL, NULL, NULL, NULL, 1101.76, NULL),
    ('2023-12-28', 12.40, NULL, NULL, NULL, NULL, NULL),
    ('2024-01-10', NULL, 8.00, 400.00, NULL, NULL, NULL),
    ('2024-01-28', NULL, NULL, NULL, NULL, 1117.03, NULL),
    ('2024-02-12', NULL, NULL, NULL, 1200.00, NULL, NULL),
    ('2024-02-28', NULL, NULL, NULL, NULL, 1040.52, NULL),
    ('2024-02-29', NULL, NULL, NULL, 250.00, NULL, NULL),
    -- statement 5 follows on, but its balance row was added all the same: it agrees
    ('2024-03-01', NULL, NULL, NULL, NULL, NULL, -182478.45),
    ('2024-03-01', NULL, NULL, 60.00, 60.00, NULL, NULL),
    ('2024-03-28', NULL, NULL, NULL, NULL, 1108.20, NULL),
    ('2024-04-28', NULL, NULL, NULL, NULL, 1093.88, NULL),
    ('2024-05-06', NULL, NULL, NULL, 190000.00, NULL, NULL),
    ('2024-05-28', NULL, NULL, NULL, NULL, 312.45, NULL),
    ('2024-06-17', NULL, NULL, 9500.00, NULL, NULL, NULL),
    ('2024-06-28', NULL, NULL, NULL, NULL, 7.91, NULL),
    ('2024-07-28', NULL, NULL, NULL, NULL, 13.05, NULL),
    -- statement 7 (6 is missing): its opening balance differs
    ('2024-09-02', NULL, NULL, NULL, NULL, NULL, -4321.09),
    ('2024-09-28', NULL, NULL, NULL, NULL, 22.61, NULL),
    ('2024-10-15', NULL, NULL, NULL, 500.00, NULL, NULL),
    ('2024-10-28', NULL, NULL, NULL, NULL, 21.10, NULL),
    ('2024-11-28', NULL, NULL, NULL, NULL, 19.84, NULL),
    ('2024-12-28', NULL, NULL, NULL, NULL, 20.02, NULL),
    ('2025-01-28', NULL, NULL, NULL, NULL, 19.77, NULL),
    ('2025-02-28', NULL, NULL, NULL, NULL, 17.90, NULL),
    ('2025-02-28', NULL, NULL, NULL, 100.00, NULL, NULL),
    ('2025-03-20', NULL, NULL, NULL, 100.00, NULL, NULL),
    ('2025-03-28', NULL, NULL, NULL, NULL, 18.33, NULL);
INSERT INTO tblAllRecords (Date, GovtCharge, BankCharge, UserWithdrawal, Deposit, InterestPayment, CloseBalance)
    SELECT Date, round(GovtCharge * 10000), round(BankCharge * 10000), round(UserWithdrawal * 10000),
           round(Deposit * 10000), round(InterestPayment * 10000), round(CloseBalance * 10000)
    FROM rows ORDER BY rowid;
INSERT INTO tblInterestChanges (ValidFrom, ValidTo, InterestRate) VALUES
    ('2023-11-20', '2024-06-30', 7.05),
    ('2024-07-01', '2024-12-31', 6.6),
    ('2025-01-01', '2025-03-09', 6.35),
    ('2025-03-15', '2025-12-31', 6.2);
INSERT INTO tblCalcTo (CalcFrom, CalcTo) VALUES ('1', '28');
INSERT INTO tblNumber (StatementNumber) VALUES (4), (5), (7);

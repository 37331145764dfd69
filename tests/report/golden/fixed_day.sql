-- Fixed Day (method 0), calculation day 1: interest periods end on the 28th and are posted on the
-- 29th, or on 1 March in a February without one. The history crosses 29 February 2024, goes into
-- credit in June 2024, has a balance row that agrees with the balance (deleted) and one that does
-- not (resets the balance from the end of the day it comes up), and a gap in the rate periods in
-- April 2025 at which the report stops. Statement 3 was never entered.
-- Amounts are written in dollars in a scratch table and stored as ten-thousandths.
CREATE TEMP TABLE rows (Date, GovtCharge, BankCharge, UserWithdrawal, Deposit, InterestPayment, CloseBalance);
INSERT INTO rows VALUES
    -- statement 1
    ('2023-12-01', NULL, NULL, NULL, NULL, NULL, -250000.00),
    ('2023-12-01', NULL, NULL, NULL, 1500.00, NULL, NULL),
    ('2023-12-15', NULL, 10.00, NULL, NULL, NULL, NULL),
    ('2023-12-29', NULL, NULL, NULL, NULL, 1480.23, NULL),
    ('2024-01-02', NULL, NULL, NULL, 2000.00, NULL, NULL),
    ('2024-01-29', NULL, NULL, NULL, NULL, 1531.47, NULL),
    ('2024-02-14', NULL, NULL, 750.00, NULL, NULL, NULL),
    ('2024-02-29', NULL, NULL, NULL, NULL, 1402.91, NULL),
    ('2024-02-29', NULL, NULL, NULL, 1500.00, NULL, NULL),
    ('2024-03-15', 35.50, NULL, NULL, NULL, NULL, NULL),
    ('2024-03-20', NULL, NULL, 100.00, 100.00, NULL, NULL),
    -- statement 2: its balance row agrees with the running balance
    ('2024-04-01', NULL, NULL, NULL, NULL, NULL, -250210.11),
    ('2024-04-02', NULL, NULL, NULL, 2500.00, NULL, NULL),
    ('2024-04-29', NULL, NULL, NULL, NULL, 1478.06, NULL),
    ('2024-05-29', NULL, NULL, NULL, NULL, 1460.88, NULL),
    ('2024-06-03', NULL, NULL, NULL, 255000.00, NULL, NULL),
    ('2024-06-28', NULL, 5.00, NULL, NULL, NULL, NULL),
    ('2024-07-16', NULL, NULL, 10000.00, NULL, NULL, NULL),
    ('2024-07-29', NULL, NULL, NULL, NULL, 18.20, NULL),
    ('2024-08-29', NULL, NULL, NULL, NULL, 33.15, NULL),
    -- statement 4: its opening balance differs
    ('2024-10-01', NULL, NULL, NULL, NULL, NULL, -6100.00),
    ('2024-10-01', NULL, NULL, NULL, 300.00, NULL, NULL),
    ('2024-10-29', NULL, NULL, NULL, NULL, 31.87, NULL),
    ('2024-11-29', NULL, NULL, NULL, NULL, 30.44, NULL),
    ('2024-12-29', NULL, NULL, NULL, NULL, 29.70, NULL),
    ('2025-01-29', NULL, NULL, NULL, NULL, 30.12, NULL),
    ('2025-02-27', NULL, NULL, NULL, 200.00, NULL, NULL),
    ('2025-03-01', NULL, NULL, NULL, NULL, 26.35, NULL),
    ('2025-03-29', NULL, NULL, NULL, NULL, 28.40, NULL),
    ('2025-04-03', NULL, NULL, NULL, 300.00, NULL, NULL),
    ('2025-04-28', NULL, NULL, NULL, NULL, 27.10, NULL);
INSERT INTO tblAllRecords (Date, GovtCharge, BankCharge, UserWithdrawal, Deposit, InterestPayment, CloseBalance)
    SELECT Date, round(GovtCharge * 10000), round(BankCharge * 10000), round(UserWithdrawal * 10000),
           round(Deposit * 10000), round(InterestPayment * 10000), round(CloseBalance * 10000)
    FROM rows ORDER BY rowid;
INSERT INTO tblInterestChanges (ValidFrom, ValidTo, InterestRate) VALUES
    ('2023-12-04', '2024-03-31', 7.3),
    ('2024-04-01', '2024-09-30', 6.85),
    ('2024-10-01', '2025-03-31', 6.1),
    ('2025-04-10', '2025-12-31', 5.95);
INSERT INTO tblCalcTo (CalcFrom, CalcTo) VALUES ('15', '14'), ('1', '28');
INSERT INTO tblNumber (StatementNumber) VALUES (1), (2), (4);

-- Variable Day, Deferred Interest (method 3): interest is posted on each day the lender charged
-- it, that day's interest still belonging to the period being closed, and the day's charge bears
-- no interest on its own day. The lender charges on the first of the month and on 28 February
-- 2024 once. The history crosses 29 February 2024, goes into credit in October 2024, has a balance
-- row that agrees with the balance (deleted) and one that does not (resets), and a gap in the rate
-- periods in March 2025 at which the report stops. Statement 10 was never entered.
-- Amounts are written in dollars in a scratch table and stored as ten-thousandths.
CREATE TEMP TABLE rows (Date, GovtCharge, BankCharge, UserWithdrawal, Deposit, InterestPayment, CloseBalance);
INSERT INTO rows VALUES
    -- statement 8
    ('2023-12-18', NULL, NULL, NULL, NULL, NULL, -95500.00),
    ('2023-12-18', NULL, 250.00, NULL, NULL, NULL, NULL),
    ('2024-01-01', NULL, NULL, NULL, NULL, 231.04, NULL),
    ('2024-01-01', NULL, NULL, NULL, 900.00, NULL, NULL),
    ('2024-02-01', NULL, NULL, NULL, NULL, 512.77, NULL),
    ('2024-02-20', NULL, NULL, NULL, 900.00, NULL, NULL),
    ('2024-02-28', NULL, NULL, NULL, NULL, 377.30, NULL),
    ('2024-03-01', NULL, NULL, NULL, NULL, 66.05, NULL),
    ('2024-03-20', NULL, NULL, NULL, 900.00, NULL, NULL),
    -- statement 9 follows on; its balance row agrees
    ('2024-04-01', NULL, NULL, NULL, NULL, NULL, -94237.16),
    ('2024-04-01', NULL, NULL, NULL, NULL, 480.12, NULL),
    ('2024-04-22', NULL, NULL, 2500.00, 900.00, NULL, NULL),
    ('2024-05-01', NULL, NULL, NULL, NULL, 452.60, NULL),
    ('2024-06-01', NULL, NULL, NULL, NULL, 471.98, NULL),
    -- statement 11 (10 is missing): its opening balance differs
    ('2024-08-01', NULL, NULL, NULL, NULL, NULL, -96820.44),
    ('2024-08-01', NULL, NULL, NULL, NULL, 470.31, NULL),
    ('2024-09-01', NULL, NULL, NULL, NULL, 468.75, NULL),
    ('2024-09-16', NULL, NULL, NULL, 100000.00, NULL, NULL),
    ('2024-10-01', NULL, NULL, NULL, NULL, 205.33, NULL),
    ('2024-10-14', 40.00, NULL, 3000.00, NULL, NULL, NULL),
    ('2024-11-01', NULL, NULL, NULL, NULL, 2.75, NULL),
    ('2024-12-01', NULL, NULL, NULL, NULL, 18.40, NULL),
    ('2025-01-01', NULL, NULL, NULL, NULL, 18.95, NULL),
    ('2025-02-01', NULL, NULL, NULL, NULL, 19.02, NULL),
    ('2025-03-01', NULL, NULL, NULL, NULL, 17.16, NULL),
    ('2025-04-01', NULL, NULL, NULL, NULL, 18.88, NULL);
INSERT INTO tblAllRecords (Date, GovtCharge, BankCharge, UserWithdrawal, Deposit, InterestPayment, CloseBalance)
    SELECT Date, round(GovtCharge * 10000), round(BankCharge * 10000), round(UserWithdrawal * 10000),
           round(Deposit * 10000), round(InterestPayment * 10000), round(CloseBalance * 10000)
    FROM rows ORDER BY rowid;
INSERT INTO tblInterestChanges (ValidFrom, ValidTo, InterestRate) VALUES
    ('2023-12-18', '2024-04-30', 6.49),
    ('2024-05-01', '2024-12-31', 6.24),
    ('2025-01-01', '2025-03-05', 5.99),
    ('2025-03-12', '2025-12-31', 5.74);
INSERT INTO tblCalcTo (CalcFrom, CalcTo) VALUES ('1', '28');
INSERT INTO tblNumber (StatementNumber) VALUES (8), (9), (9), (11);

-- Variable Day (method 2): interest is posted on each day the lender charged it, and the interest
-- of that day already belongs to the next period. The lender charges on the last business day of
-- the month, on 28 February 2025 too. The history crosses 29 February 2024 (charged that day),
-- goes into credit in July 2024, has a balance row that agrees with the balance (deleted) and one
-- that does not (resets), and a gap in the rate periods in May 2025 at which the report stops.
-- The rates start a few days after the history: those days bear no interest. Statement 2 was
-- never entered.
-- Amounts are written in dollars in a scratch table and stored as ten-thousandths.
CREATE TEMP TABLE rows (Date, GovtCharge, BankCharge, UserWithdrawal, Deposit, InterestPayment, CloseBalance);
INSERT INTO rows VALUES
    -- statement 1
    ('2024-01-08', NULL, NULL, NULL, NULL, NULL, -312000.00),
    ('2024-01-15', NULL, NULL, NULL, 2200.00, NULL, NULL),
    ('2024-01-31', NULL, NULL, NULL, NULL, 1297.41, NULL),
    ('2024-02-15', 150.00, NULL, NULL, 2200.00, NULL, NULL),
    ('2024-02-29', NULL, 9.95, NULL, NULL, NULL, NULL),
    ('2024-02-29', NULL, NULL, NULL, NULL, 1790.55, NULL),
    ('2024-03-15', NULL, NULL, NULL, 2200.00, NULL, NULL),
    ('2024-03-28', NULL, NULL, NULL, NULL, 1905.12, NULL),
    -- statement 3 (2 is missing): its opening balance differs
    ('2024-05-01', NULL, NULL, NULL, NULL, NULL, -309876.54),
    ('2024-05-15', NULL, NULL, NULL, 2200.00, NULL, NULL),
    ('2024-05-31', NULL, NULL, NULL, NULL, 1856.02, NULL),
    ('2024-06-28', NULL, NULL, NULL, NULL, 1718.64, NULL),
    ('2024-07-01', NULL, NULL, NULL, 320000.00, NULL, NULL),
    ('2024-07-31', NULL, NULL, NULL, NULL, 0.50, NULL),
    ('2024-08-05', NULL, NULL, 12000.00, NULL, NULL, NULL),
    ('2024-08-30', NULL, NULL, NULL, NULL, 42.19, NULL),
    -- statement 4 follows on; its balance row agrees
    ('2024-09-01', NULL, NULL, NULL, NULL, NULL, -3293.89),
    ('2024-09-30', NULL, NULL, NULL, NULL, 21.47, NULL),
    ('2024-10-31', NULL, NULL, NULL, NULL, 22.36, NULL),
    ('2024-11-11', NULL, NULL, 250.00, 250.00, NULL, NULL),
    ('2024-11-29', NULL, NULL, NULL, NULL, 20.75, NULL),
    ('2024-12-31', NULL, NULL, NULL, NULL, 23.14, NULL),
    ('2025-01-31', NULL, NULL, NULL, NULL, 21.98, NULL),
    ('2025-02-28', NULL, NULL, NULL, NULL, 20.01, NULL),
    ('2025-03-31', NULL, NULL, NULL, NULL, 22.40, NULL),
    ('2025-04-30', NULL, NULL, NULL, NULL, 21.63, NULL),
    ('2025-05-30', NULL, NULL, NULL, NULL, 22.09, NULL);
INSERT INTO tblAllRecords (Date, GovtCharge, BankCharge, UserWithdrawal, Deposit, InterestPayment, CloseBalance)
    SELECT Date, round(GovtCharge * 10000), round(BankCharge * 10000), round(UserWithdrawal * 10000),
           round(Deposit * 10000), round(InterestPayment * 10000), round(CloseBalance * 10000)
    FROM rows ORDER BY rowid;
INSERT INTO tblInterestChanges (ValidFrom, ValidTo, InterestRate) VALUES
    ('2024-01-11', '2024-05-31', 6.99),
    ('2024-06-01', '2024-11-30', 7.15),
    ('2024-12-01', '2025-05-14', 6.45),
    ('2025-05-20', '2025-12-31', 6.2);
INSERT INTO tblCalcTo (CalcFrom, CalcTo) VALUES ('1', '28');
INSERT INTO tblNumber (StatementNumber) VALUES (1), (3), (4);

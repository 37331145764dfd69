-- Variable Day (method 2) on a loan with an offset account of which 40 % counts. January: 50,000.00
-- then 100,000.00 from the 16th (20,000.00 and 40,000.00 count); from 10 February 800,000.00,
-- whose 320,000.00 is more than the loan (nothing bears interest); from 1 March an overdrawn
-- offset, which counts nothing. By hand: January 15 x 46.0274 + 15 x 42.7397 = 1,331.5065;
-- then 10 days on 261,331.51 at 42.9586 = 429.586 and nothing until March; March 30 days on
-- 299,761.04 at 49.2758 = 1,478.274.
-- Amounts are written in dollars in a scratch table and stored as ten-thousandths.
CREATE TEMP TABLE rows (Date, GovtCharge, BankCharge, UserWithdrawal, Deposit, InterestPayment, CloseBalance);
INSERT INTO rows VALUES
    ('2025-01-01', NULL, NULL, NULL, NULL, NULL, -300000.00),
    ('2025-01-31', NULL, NULL, NULL, NULL, 1331.51, NULL),
    ('2025-02-15', NULL, NULL, NULL, 2000.00, NULL, NULL),
    ('2025-02-28', NULL, NULL, NULL, NULL, 429.53, NULL),
    ('2025-03-31', NULL, NULL, NULL, NULL, 1480.00, NULL);
INSERT INTO tblAllRecords (Date, GovtCharge, BankCharge, UserWithdrawal, Deposit, InterestPayment, CloseBalance)
    SELECT Date, round(GovtCharge * 10000), round(BankCharge * 10000), round(UserWithdrawal * 10000),
           round(Deposit * 10000), round(InterestPayment * 10000), round(CloseBalance * 10000)
    FROM rows ORDER BY rowid;
INSERT INTO tblInterestChanges (ValidFrom, ValidTo, InterestRate) VALUES ('2025-01-01', '2025-12-31', 6);
INSERT INTO tblNumber (StatementNumber) VALUES (1);
INSERT INTO tblSettings (Name, Value) VALUES ('OffsetAccount', 'yes'), ('OffsetShare', '40');
INSERT INTO tblOffsetBalances (Date, Balance) VALUES
    ('2025-01-01', 500000000), ('2025-01-16', 1000000000), ('2025-02-10', 8000000000),
    ('2025-03-01', -10000000);

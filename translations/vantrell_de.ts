<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ComplaintWindow</name>
    <message>
        <source>Raise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postings to raise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Postings charged above their interest due:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write Letter and Evidence...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your a&amp;ddress:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan &amp;account number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lender:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lender&apos;s addr&amp;ess:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The letter then says how long the lender has to answer and where you may go next.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ountry:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A posting charged this much or more above its due is ticked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The complaint cannot be prepared: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The threshold &apos;%1&apos; is not an amount of 0 or more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 raised, %2 in all, and the interest it would have saved: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 posting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 postings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No letter: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The details could not be kept in the account: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the Letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenDocument text|*.odt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> complaint.odt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the Evidence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF|*.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> evidence.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The letter is in %1 and the evidence in %2. Read the letter through, sign it and send both to your lender.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The letter needs %1: fill in &quot;%2&quot; before it is written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConventionsWindow</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apply Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months a block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>months &amp;from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month the blocks start in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used by equal periods and by compounding: 12 for monthly postings, 26 fortnightly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Periods a &amp;year:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used by: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FindMethodWindow</name>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoanSet</name>
    <message>
        <source>The loan set needs a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loan set needs at least one part.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A loan set has at most %1 parts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each part needs a name and an account file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two parts are named &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two parts name the account &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a loan set: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than any loan set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not JSON text of an object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it does not say it is one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is of a version this program does not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a part is not a name, an account file and a method of 0 to 3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoanSetWindow</name>
    <message>
        <source>Loan Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name of the loan set:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parts of the loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Parts of the loan:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Part…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove Part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not an account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an account: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Loan Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Loan Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Loan &amp;Set…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;Loan Set…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit Loan Set…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lender&apos;s &amp;Conventions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find Lender&apos;s Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Offset Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate &amp;Terms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;payment Terms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check a Loan from the Bank&apos;s File…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check a S&amp;plit Loan…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Account from Bank History…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Statements from Bank History…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Calculation Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What Do I Do Now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of the windows (from the next start):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language could not be kept for the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language takes effect the next time Vantrell starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Loan Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Loan Account</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OffsetWindow</name>
    <message>
        <source>Offset account balances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This loan has an &amp;offset account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Share that counts (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share that counts (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Balances at the end of each day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Payoff</name>
    <message>
        <source>No repayment was taken from the history: the projection goes on at the repayment the terms require.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No rate period covers the history&apos;s last day: nothing can be projected past it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Stored, owed and reference rates</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RateProposalDialog</name>
    <message>
        <source>&amp;Store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day &amp;count:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rounding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;est:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com&amp;pounding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Periods a &amp;year:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Try Every Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a borrower who knows neither the method nor the conventions: each is tried, and the one whose rates reproduce most charges is proposed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proposed rate periods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate periods stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charges that no proposed rate reproduces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tried %1 ways of working; the one shown reproduces the most charges with the fewest periods.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n stored rate period(s) share days with the ticked ones:
%1

Replace them with the ticked periods?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RateTermsWindow</name>
    <message>
        <source>Stored rates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owed rates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View Report Under the Terms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report and its summary under the rates the terms owe; the stored rate periods stay as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate terms periods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terms &amp;periods:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terms period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Terms:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed: the rate. Adjustable: the rate until the first change, which the caps count from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rate (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fixed rate&apos;s last day; empty: until the next period.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Until:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference s&amp;eries:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M&amp;argin (points):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A change of the reference applies this many days after its date; the lender&apos;s answer is looked for up to %1 days after that.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lag (days):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the first day of the ne&amp;xt month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;ounding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roundin&amp;g step (points):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First c&amp;hange:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months &amp;between changes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The index in force this many days before the change date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look-bac&amp;k (days):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First change cap (points):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each change cap (points):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Life cap (points above the first rate):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floor (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Known to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account&apos;s reference series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series kept in the account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Series from F&amp;ile...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A CSV file of dates and rates: your lender&apos;s published rate, an index&apos;s values, or a newer copy of a shipped series.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dates and rates, one a line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One date and rate a line, for example:
1/7/2023 7.24
1/12/2023 7.49</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dates and rates, one a line:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add T&amp;yped Series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of a typed series:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rates owed under the terms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owed Rates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Method of the costs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes of the reference passed on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passed On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 &apos;%2&apos; is not a date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 &apos;%2&apos; is not a rate such as 4.35.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each terms period needs the date it starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first change cap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>each change cap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>life cap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>floor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A terms period already starts on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the terms period from %1 (%2)? It goes from the account at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account already holds a series &apos;%1&apos;. Replace it with this one?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Series from File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dates and rates|*.csv *.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the typed series a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>typed by the borrower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account&apos;s history cannot be read: nothing is owed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the loan&apos;s rate terms, period by period, from its first day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The terms do not owe a rate on every day of the history yet: see the Owed Rates tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Under the terms: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a period of the lender&apos;s variable rate against a reference series to see whether its changes were passed on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account has no committed statement to report on yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The terms period typed is not saved. Close without saving it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordForm</name>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The row not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordSetModel</name>
    <message>
        <source>Dates as %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RepaymentCheck</name>
    <message>
        <source>The history holds no deposit to take as a repayment.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RepaymentRendering</name>
    <message>
        <source>From the first repayment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After the rate change of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After the interest-only period ended on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repayment of %1 kept after the rate change of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repayment worked out over %1 repayments where %2 remain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repayment of %1 taken where %2 is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest only kept past the period&apos;s end on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 the lender kept the repayment of %2 where %3 is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 the lender worked the repayment of %2 out over %3 repayments where %4 remain, and %5 is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 the lender took %2 where %3 is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 the lender kept taking interest only (%2) where %3 is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: %1 short each repayment (%2 repayments)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, leaving %1 owed at the term&apos;s end on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loan is underfunded: since %1 each repayment taken is %2 short of the one its terms require</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, which would leave %1 owed at the term&apos;s end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The repayment you set is too low to repay the mortgage by the end of its term: the mortgage is underfunded. I ask you to recalculate the repayment over the remaining term, to tell me the shortfall it has left, and to put it right without cost to me.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lender stated a repayment of %1 at the start; the terms require %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every repayment taken is at least the one the terms require.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At the repayment of %1 the loan is not paid off within 60 years of the term&apos;s end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At the repayment of %1 the loan is paid off on %2, %3 months before the term ends on %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At the repayment of %1 the loan is paid off on %2, %3 months after the term ends on %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owed at the term&apos;s end: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With %1 more each repayment it is paid off on %2, saving %3 of interest.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RepaymentTermsWindow</name>
    <message>
        <source>Balance as it went</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance the terms require</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projection with extra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repayments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payoff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear T&amp;erms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;First repayment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Term:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last repa&amp;yment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Number of repayments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per cent a year of the amount lent, repaid beside the interest until the rate changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Initial repayment rate (%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fre&amp;quency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The repayment the lender stated at the start; empty: the one the formula gives.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repayment stated by the &amp;lender:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;ounding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest only &amp;periods:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repayments required and taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repayments &amp;required and taken:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repayment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposits taken as repayments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Deposits taken as repayments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untick a deposit that is no repayment (a lump sum paid in, a refund): the check then takes none for it. A tick is stored in the account at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xtra each repayment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pro&amp;ject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the loan is paid off with this much more each repayment, and the interest it saves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance owed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the %1&apos;s date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 &apos;%2&apos; is not a date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first repayment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>last repayment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number of repayments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of repayments &apos;%1&apos; is not a whole number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>initial repayment rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The initial repayment rate &apos;%1&apos; is not a rate such as 2.5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The repayment stated by the lender &apos;%1&apos; is not an amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The interest-only period in row %1 needs the day it starts and the day it ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The interest-only period in row %1: &apos;%2&apos; is not a date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the repayment terms from the account? The repayments are then not checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account&apos;s history cannot be read: the repayments are not checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No repayment of the terms falls within the history.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taken as a repayment of the terms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not taken: no repayment falls due near it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The extra each repayment &apos;%1&apos; is not an amount of zero or more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The repayment terms typed are not saved. Close without saving them?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Repayments</name>
    <message>
        <source>The first repayment&apos;s date is not a date the program can work with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last repayment must fall on or after the first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A term runs to %1 repayments at most.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of repayments must be from 1 to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The initial repayment rate must be above 0 and at most 100 per cent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An interest-only period must end on or after the day it starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two interest-only periods overlap.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The repayment the lender stated must be above zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The repayment required is the level repayment that repays the balance over the repayments left: balance × i ÷ (1 − (1 + i)^−n), where i is the rate a year ÷ the repayments a year (under half-yearly compounding, (1 + rate ÷ 2)^(2 ÷ repayments a year) − 1) and n the repayments dated after the day. It is worked out at the first repayment, after each change of the rate, and when a period of interest only ends, on the balance after that day&apos;s rows, and rounded as the lender rounds. While interest only, it is the period&apos;s interest due. Under an initial repayment rate it is (rate + initial repayment rate) × the amount ÷ the repayments a year, until the rate changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The repayment terms kept in the account cannot be read; the account is checked without them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetCheck</name>
    <message>
        <source>The account file &apos;%1&apos; is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no working copy can be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an account that can be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No method is chosen for the part: check it alone, or give one for the whole set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account has no calculation day for its fixed-day method.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its sums leave the range of amounts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed until</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No part of the loan set could be checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Across its %1 parts your lender charged the interest these figures give.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Across its %1 parts your lender charged %2 %3 interest than these figures give.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>less</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the offset of &quot;%1&quot; linked to &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the offset of &quot;%1&quot; linked to no part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1 to %2 (%3 postings) the charges equal exactly those of %4: %5 %6 than due.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan set: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By calendar year (charged less due)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate weighted by the balances owed: %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The offset accounts across the parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No offset account was found linked to another part.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetComplaint</name>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no part of the loan set could be checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I complain that you counted an offset account against the wrong part of my loan. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no part of the loan was charged more than its interest due, no repayment falls short of its terms and no offset account was linked to the wrong part: there is nothing to complain of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No letter is written: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No evidence is written: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetSummaryWindow</name>
    <message>
        <source>P&amp;arts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By calendar &amp;year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed until</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By calendar year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance owed by part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show Part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected part&apos;s own summary: its years, its largest differences and what explains them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit Set...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prepare a Com&amp;plaint...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One letter to the lender raising each part&apos;s findings, and one evidence pack behind it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy as Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loan set &apos;%1&apos; cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance-weighted rate: %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance-weighted rate: none (nothing owed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, made %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loan set cannot be edited here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the Letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenDocument text|*.odt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> complaint.odt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the Evidence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF|*.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> evidence.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No letter is written: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The complaint cannot be prepared: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It says &quot;%1&quot; in place of %2: fill it in before it is sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The letter is in %1 and the evidence in %2. Read the letter through, sign it and send both to your lender.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SummaryWindow</name>
    <message>
        <source>By calendar year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charges without a posting and postings without a charge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not paired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running total of charged - due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest charged and due by year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prepare a Com&amp;plaint...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A letter to the lender raising the postings it overcharged, and the evidence behind it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy as Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every day behind the largest difference selected. Tick a difference to print its working after the report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes of the reference passed on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What explains them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Working of the E&amp;xplanation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every posting of the explanation&apos;s span in Show Working: the days as due beside the days as the lender worked them, and the lender&apos;s own charges.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes of %1 passed on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ticked: the printed report ends with this posting&apos;s working.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charged - due, added up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charged - due, added up over every posting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Charged: %2
Due: %3
Difference: %4
Running total: %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Charged: %2
Due: %3
Difference: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print in the report window prints the report or saves it as PDF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next: Show Working opens every day behind the largest difference. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The printed report ends with the working of the posting ticked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The printed report ends with the working of the %1 postings ticked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Tick a difference to end the printed report with its working.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>The days of the period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total, charge and rates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print with the &amp;report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printed report ends with the working of every posting ticked here or in the summary&apos;s largest differences, each on its own page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies the days, tab-separated, to paste into a spreadsheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save as CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print or P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report has no interest posting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Working of the Explanation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the Working as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks the interest a lender charged on a home loan: enter each statement&apos;s transactions and interest rates, and the report sets the interest due beside the interest charged.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAllRecords</name>
    <message>
        <source>View/Amend Transactions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmCalculate</name>
    <message>
        <source>Interest Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mplaint...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report has no interest posting to show the working of.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt;&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmInformation</name>
    <message>
        <source>Missing Statement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Statement</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMethod</name>
    <message>
        <source>Interest Calculation Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmNewStatement</name>
    <message>
        <source>Enter Statement Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a statement number. Please enter a whole number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a date. Please enter it as %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not an amount. Please enter a number, with a &apos;-&apos; (minus) sign if the Loan Account was in debit.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Tasks</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Check the interest your lender charged on your home loan.
Start a new loan account, or open one you have saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Loan Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Loan Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check a Loan from the Bank&apos;s File…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check a Split Loan…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmThisSession</name>
    <message>
        <source>Statement Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The opening balance &quot;%1&quot; is not an amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The balance after the row of %1 is outside the range of amounts.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmUserInterestChanges</name>
    <message>
        <source>Interest Rate Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads rate periods back from the interest your lender charged, for a history without its rate letters.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

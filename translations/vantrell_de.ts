<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccountCommands</name>
    <message>
        <source>Open File Error: %1%2</source>
        <translation>Fehler beim Öffnen der Datei: %1%2</translation>
    </message>
    <message>
        <source>Data</source>
        <extracomment>The kind of file a file dialog lists: the loan accounts</extracomment>
        <translation>Darlehenskonten</translation>
    </message>
    <message>
        <source>Save New Account as...</source>
        <translation>Neues Konto speichern unter...</translation>
    </message>
    <message>
        <source>Open Database...</source>
        <translation>Datenbank öffnen...</translation>
    </message>
    <message>
        <source>File Creation Error: %1</source>
        <translation>Fehler beim Erstellen der Datei: %1</translation>
    </message>
    <message>
        <source>The account &apos;%1&apos; is in use.</source>
        <translation>Das Konto &apos;%1&apos; wird bereits verwendet.</translation>
    </message>
</context>
<context>
    <name>AccountConnection</name>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Die Datei &apos;%1&apos; wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The account file &apos;%1&apos; could not be opened safely.</source>
        <translation>Die Kontodatei &apos;%1&apos; konnte nicht sicher geöffnet werden.</translation>
    </message>
    <message>
        <source>The account schema is missing from the program.</source>
        <translation>Das Kontoschema fehlt im Programm.</translation>
    </message>
    <message>
        <source>File already exists: %1</source>
        <translation>Die Datei ist bereits vorhanden: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a loan account file.</source>
        <translation>&apos;%1&apos; ist keine Kontodatei eines Darlehenskontos.</translation>
    </message>
    <message>
        <source>The account file &apos;%1&apos; was left half-written when a program stopped. Open it in Vantrell once to repair it, then run the report again.</source>
        <translation>Die Kontodatei &apos;%1&apos; wurde halb geschrieben zurückgelassen, als ein Programm abbrach. Öffnen Sie sie einmal in Vantrell, um sie zu reparieren, und erstellen Sie den Bericht dann erneut.</translation>
    </message>
    <message>
        <source>The account file &apos;%1&apos; cannot be read.</source>
        <translation>Die Kontodatei &apos;%1&apos; kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The account file &apos;%1&apos; cannot be read: %2</source>
        <translation>Die Kontodatei &apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>AccountFiles</name>
    <message>
        <source>The Data folder &apos;%1&apos; cannot be written.</source>
        <translation>In den Data-Ordner &apos;%1&apos; kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Could not create &apos;%1&apos;</source>
        <translation>&apos;%1&apos; konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Could not read &apos;%1&apos;</source>
        <translation>&apos;%1&apos; konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Could not set the permissions of &apos;%1&apos;</source>
        <translation>Die Berechtigungen von &apos;%1&apos; konnten nicht gesetzt werden</translation>
    </message>
    <message>
        <source>Could not read &apos;%1&apos; safely.</source>
        <translation>&apos;%1&apos; konnte nicht sicher gelesen werden.</translation>
    </message>
    <message>
        <source>Could not update &apos;%1&apos;</source>
        <translation>&apos;%1&apos; konnte nicht aktualisiert werden</translation>
    </message>
    <message>
        <source>Could not update &apos;%1&apos; safely.</source>
        <translation>&apos;%1&apos; konnte nicht sicher aktualisiert werden.</translation>
    </message>
    <message>
        <source>Could not copy &apos;%1&apos;</source>
        <translation>&apos;%1&apos; konnte nicht kopiert werden</translation>
    </message>
    <message>
        <source>Could not write &apos;%1&apos; to disk</source>
        <translation>&apos;%1&apos; konnte nicht auf den Datenträger geschrieben werden</translation>
    </message>
    <message>
        <source>Could not rename &apos;%1&apos;</source>
        <translation>&apos;%1&apos; konnte nicht umbenannt werden</translation>
    </message>
    <message>
        <source>Could not write &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Could not delete &apos;%1&apos;</source>
        <translation>&apos;%1&apos; konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>The template &apos;%1&apos; is missing.</source>
        <translation>Die Vorlagendatei &apos;%1&apos; fehlt.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists.</source>
        <translation>Die Datei &apos;%1&apos; ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Die Datei &apos;%1&apos; wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Could not read &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a loan account file.</source>
        <translation>&apos;%1&apos; ist keine Kontodatei eines Darlehenskontos.</translation>
    </message>
    <message>
        <source>The account file &apos;%1&apos; is read-only.</source>
        <translation>Die Kontodatei &apos;%1&apos; ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; that holds the account cannot be written.</source>
        <translation>In den Ordner &apos;%1&apos;, der das Konto enthält, kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; exists already</source>
        <translation>&apos;%1&apos; ist bereits vorhanden</translation>
    </message>
</context>
<context>
    <name>AccountSchema</name>
    <message>
        <source>Could not bring &apos;%1&apos; up to date: the account layout is missing from the program.</source>
        <translation>&apos;%1&apos; konnte nicht auf den neuesten Stand gebracht werden: Der Kontoaufbau fehlt im Programm.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a loan account file: %2.</source>
        <translation>&apos;%1&apos; ist keine Kontodatei eines Darlehenskontos: %2.</translation>
    </message>
    <message>
        <source>it has no table %1</source>
        <translation>sie hat keine Tabelle %1</translation>
    </message>
    <message>
        <source>%1 is a view, not a table</source>
        <translation>%1 ist eine Sicht, keine Tabelle</translation>
    </message>
    <message>
        <source>%1 is not an ordinary table</source>
        <translation>%1 ist keine gewöhnliche Tabelle</translation>
    </message>
    <message>
        <source>the table %1 has no column %2</source>
        <translation>die Tabelle %1 hat keine Spalte %2</translation>
    </message>
    <message>
        <source>the key ID of %1 is not assigned automatically</source>
        <translation>der Schlüssel ID von %1 wird nicht automatisch vergeben</translation>
    </message>
    <message>
        <source>the column %2 of %1 is not declared %3</source>
        <translation>die Spalte %2 von %1 ist nicht als %3 deklariert</translation>
    </message>
    <message>
        <source>the column %2 of %1 holds a value of the wrong kind in the row with ID %3</source>
        <translation>die Spalte %2 von %1 enthält in der Zeile mit der ID %3 einen Wert der falschen Art</translation>
    </message>
    <message>
        <source>Could not read &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The account &apos;%1&apos; is in use by another program. Close that program, then open the account again.</source>
        <translation>Das Konto &apos;%1&apos; wird von einem anderen Programm verwendet. Schließen Sie dieses Programm und öffnen Sie das Konto dann erneut.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was made by a newer version of Vantrell and cannot be opened by this one.</source>
        <translation>&apos;%1&apos; wurde mit einer neueren Version von Vantrell erstellt und kann mit dieser Version nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>it holds the %1 %2</source>
        <translation>sie enthält %1 %2</translation>
    </message>
    <message>
        <source>the table tblSettings holds the name &apos;%1&apos; more than once</source>
        <translation>die Tabelle tblSettings enthält den Namen &apos;%1&apos; mehr als einmal</translation>
    </message>
    <message>
        <source>Could not bring &apos;%1&apos; up to date: %2</source>
        <translation>&apos;%1&apos; konnte nicht auf den neuesten Stand gebracht werden: %2</translation>
    </message>
</context>
<context>
    <name>AccountStore</name>
    <message>
        <source>The account file is not open.</source>
        <translation>Die Kontodatei ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The account&apos;s history</source>
        <translation>Der Verlauf des Kontos</translation>
    </message>
    <message>
        <source>day count</source>
        <translation>Zinstagezählung</translation>
    </message>
    <message>
        <source>rounding</source>
        <translation>Rundung</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>Tilgungsverrechnung</translation>
    </message>
    <message>
        <source>compounding</source>
        <translation>Verzinsung</translation>
    </message>
    <message>
        <source>periods a year</source>
        <translation>Periodenzahl pro Jahr</translation>
    </message>
    <message>
        <source>The account&apos;s lender&apos;s conventions cannot be worked with together (%1); the defaults are used instead.</source>
        <translation>Die im Konto gespeicherten Konventionen des Darlehensgebers lassen sich nicht miteinander verwenden (%1); stattdessen werden die Voreinstellungen verwendet.</translation>
    </message>
    <message>
        <source>The account holds a lender&apos;s %1 that this version of Vantrell does not know; the default is used instead.</source>
        <translation>Das Konto enthält eine %1 des Darlehensgebers, die diese Version von Vantrell nicht kennt; stattdessen wird die Voreinstellung verwendet.</translation>
    </message>
    <message>
        <source> and a </source>
        <translation> und eine </translation>
    </message>
    <message>
        <source>The account&apos;s offset account setting is &apos;%1&apos;, neither yes nor no; the loan is taken to have no offset account.</source>
        <translation>Die Einstellung zum Verrechnungskonto im Konto lautet &apos;%1&apos;, weder ja noch nein; es wird angenommen, dass das Darlehen kein Verrechnungskonto hat.</translation>
    </message>
    <message>
        <source>The account holds an offset share of &apos;%1&apos;, which is not a per cent from 0 to 100; 100 is used instead.</source>
        <translation>Das Konto enthält für das Verrechnungskonto einen angerechneten Anteil von &apos;%1&apos;, der kein Prozentsatz von 0 bis 100 ist; stattdessen wird 100 verwendet.</translation>
    </message>
</context>
<context>
    <name>AmountColumns</name>
    <message>
        <source>Govt Charge</source>
        <translation>Staatl. Abgabe</translation>
    </message>
    <message>
        <source>Bank Charge</source>
        <translation>Bankgebühr</translation>
    </message>
    <message>
        <source>User W&apos;drawal</source>
        <translation>Auszahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Interest Charge</source>
        <translation>Zinsbelastung</translation>
    </message>
</context>
<context>
    <name>BankSummary</name>
    <message>
        <source>it takes the balance from %1 to %2, but the rows add up to %3</source>
        <translation>sie führt den Saldo von %1 auf %2, aber die Zeilen ergeben zusammen %3</translation>
    </message>
    <message>
        <source>its totals are %1 in and %2 out, but the rows&apos; are %3 and %4</source>
        <translation>ihre Summen betragen %1 Eingänge und %2 Ausgänge, die der Zeilen aber %3 und %4</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>The file&apos;s summary does not agree with its rows: %1.</source>
        <translation>Die Zusammenfassung der Datei stimmt nicht mit ihren Zeilen überein: %1.</translation>
    </message>
    <message>
        <source>The file states an opening balance of %1 (line %2).</source>
        <translation>Die Datei nennt einen Anfangssaldo von %1 (Zeile %2).</translation>
    </message>
    <message>
        <source>The file states a closing balance of %1 (line %2).</source>
        <translation>Die Datei nennt einen Endsaldo von %1 (Zeile %2).</translation>
    </message>
    <message>
        <source>The file states an opening balance of %1 on %2 (line %3).</source>
        <translation>Die Datei nennt einen Anfangssaldo von %1 am %2 (Zeile %3).</translation>
    </message>
    <message>
        <source>The file states a closing balance of %1 on %2 (line %3).</source>
        <translation>Die Datei nennt einen Endsaldo von %1 am %2 (Zeile %3).</translation>
    </message>
    <message>
        <source>The statement opens on the same balance.</source>
        <translation>Der Auszug beginnt mit demselben Saldo.</translation>
    </message>
    <message>
        <source>The statement opens on %1: check its opening balance.</source>
        <translation>Der Auszug beginnt mit %1: Prüfen Sie seinen Anfangssaldo.</translation>
    </message>
    <message>
        <source>Its rows agree with its summary.</source>
        <translation>Die Zeilen stimmen mit der Zusammenfassung der Datei überein.</translation>
    </message>
</context>
<context>
    <name>BusyDialog</name>
    <message>
        <source>Reading the OFX file…</source>
        <translation>OFX-Datei wird gelesen…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CamtReader</name>
    <message>
        <source>The file declares a document type or entities, which a bank statement never does: it is not read.</source>
        <translation>Die Datei erklärt einen Dokumenttyp oder Entitäten, was ein Kontoauszug nie tut: Sie wird nicht gelesen.</translation>
    </message>
    <message>
        <source>This is not a camt statement: the file has no BkToCstmrStmt or BkToCstmrAcctRpt element.</source>
        <translation>Dies ist kein camt-Kontoauszug: Die Datei hat kein Element BkToCstmrStmt oder BkToCstmrAcctRpt.</translation>
    </message>
    <message>
        <source>The file ends at line %1 before its XML is complete: it is cut short.</source>
        <translation>Die Datei endet in Zeile %1, bevor ihr XML vollständig ist: Sie ist abgeschnitten.</translation>
    </message>
    <message>
        <source>The file&apos;s XML does not read at line %1: %2</source>
        <translation>Das XML der Datei ist in Zeile %1 nicht lesbar: %2</translation>
    </message>
    <message>
        <source>The file&apos;s elements nest more than %1 deep at line %2, which no bank statement does: it is not read.</source>
        <translation>Die Elemente der Datei sind in Zeile %2 tiefer als %1 Ebenen verschachtelt, was kein Kontoauszug tut: Sie wird nicht gelesen.</translation>
    </message>
    <message>
        <source>The file holds more than %1 entries, balances and statements; a statement file may hold at most that many. Download a shorter period from the bank.</source>
        <translation>Die Datei enthält mehr als %1 Buchungen, Salden und Auszüge; eine Auszugsdatei darf höchstens so viele enthalten. Laden Sie bei der Bank einen kürzeren Zeitraum herunter.</translation>
    </message>
    <message>
        <source>The entry has no booking date and no value date.</source>
        <translation>Die Buchung hat weder Buchungstag noch Wertstellung.</translation>
    </message>
    <message>
        <source>The date &quot;%1&quot; does not read.</source>
        <translation>Das Datum „%1“ ist nicht lesbar.</translation>
    </message>
    <message>
        <source>The entry has no amount.</source>
        <translation>Die Buchung hat keinen Betrag.</translation>
    </message>
    <message>
        <source>The amount &quot;%1&quot; does not read.</source>
        <translation>Der Betrag „%1“ ist nicht lesbar.</translation>
    </message>
    <message>
        <source>The entry does not say whether it is money in or out (CdtDbtInd is &quot;%1&quot;).</source>
        <translation>Die Buchung sagt nicht, ob sie Geldeingang oder -ausgang ist (CdtDbtInd ist „%1“).</translation>
    </message>
    <message>
        <source>Not booked yet: the bank lists it as pending.</source>
        <translation>Noch nicht gebucht: Die Bank führt sie als vorgemerkt.</translation>
    </message>
    <message>
        <source>Not booked: the bank lists it for information only.</source>
        <translation>Nicht gebucht: Die Bank führt sie nur zur Information.</translation>
    </message>
    <message>
        <source>Not booked: the bank lists it as &quot;%1&quot;.</source>
        <translation>Nicht gebucht: Die Bank führt sie als „%1“.</translation>
    </message>
    <message>
        <source>The file is %1 MB; a statement file may be at most %2 MB. Download a shorter period from the bank.</source>
        <translation>Die Datei ist %1 MB groß; eine Auszugsdatei darf höchstens %2 MB groß sein. Laden Sie bei der Bank einen kürzeren Zeitraum herunter.</translation>
    </message>
    <message>
        <source>at line %1</source>
        <translation>in Zeile %1</translation>
    </message>
    <message>
        <source>The statement %1 states a closing balance of %2, but its opening balance of %3 and its booked entries give %4.</source>
        <translation>Der Auszug %1 nennt einen Schlusssaldo von %2, aber sein Anfangssaldo von %3 und seine gebuchten Umsätze ergeben %4.</translation>
    </message>
    <message>
        <source>The file has no such account.</source>
        <translation>Die Datei hat kein solches Konto.</translation>
    </message>
    <message>
        <source>The account %1 has no entries in the file.</source>
        <translation>Das Konto %1 hat keine Buchungen in der Datei.</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>The file has no entries.</source>
        <translation>Die Datei hat keine Buchungen.</translation>
    </message>
</context>
<context>
    <name>ColumnRules</name>
    <message>
        <source>Rule line %1, &quot;%2&quot;, is not &quot;word = column&quot; with one of the columns %3.</source>
        <translation>Regelzeile %1, „%2“, hat nicht die Form „Wort = Spalte“ mit einer der Spalten %3.</translation>
    </message>
</context>
<context>
    <name>Complaint</name>
    <message>
        <source>the report&apos;s interest adds up to more than an amount can hold</source>
        <translation>die Zinsen des Berichts ergeben zusammen mehr, als ein Betrag fassen kann</translation>
    </message>
    <message>
        <source>the lender charged no posting more than its interest due: there is nothing to complain of</source>
        <translation>der Darlehensgeber hat bei keinem Zinstermin mehr als die fälligen Zinsen belastet: Es gibt nichts zu beanstanden</translation>
    </message>
    <message>
        <source>no posting is raised: none was charged %1 or more above its interest due, and none is ticked</source>
        <translation>kein Zinstermin wird beanstandet: Bei keinem wurden %1 oder mehr über den fälligen Zinsen belastet, und keiner ist markiert</translation>
    </message>
    <message>
        <source>No letter is written: %1.</source>
        <translation>Es wird kein Brief geschrieben: %1.</translation>
    </message>
    <message>
        <source>No letter is written: no part of the loan was checked.</source>
        <translation>Es wird kein Brief geschrieben: Kein Teil des Darlehens wurde geprüft.</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: the document could not be made</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: Das Dokument konnte nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>ComplaintDetails</name>
    <message>
        <source>None</source>
        <extracomment>No country chosen</extracomment>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australien</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Neuseeland</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Vereinigtes Königreich</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irland</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Vereinigte Staaten</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>Ihren Namen</translation>
    </message>
    <message>
        <source>the loan account number</source>
        <translation>die Darlehenskontonummer</translation>
    </message>
    <message>
        <source>the lender&apos;s name</source>
        <translation>den Namen des Darlehensgebers</translation>
    </message>
</context>
<context>
    <name>ComplaintWindow</name>
    <message>
        <source>Raise</source>
        <extracomment>The tick column: the posting is raised in the letter.</extracomment>
        <translation>Beanstanden</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Charged</source>
        <translation>Belastet</translation>
    </message>
    <message>
        <source>Due</source>
        <extracomment>The interest due, as the calculation gives it.</extracomment>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Erklärung</translation>
    </message>
    <message>
        <source>Postings to raise</source>
        <translation>Zu beanstandende Zinstermine</translation>
    </message>
    <message>
        <source>&amp;Postings charged above their interest due:</source>
        <translation>&amp;Zinstermine mit Belastung über den fälligen Zinsen:</translation>
    </message>
    <message>
        <source>&amp;Write Letter and Evidence...</source>
        <translation>&amp;Brief und Nachweise schreiben...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Angaben</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Ihr &amp;Name:</translation>
    </message>
    <message>
        <source>Your a&amp;ddress:</source>
        <translation>Ihre Ad&amp;resse:</translation>
    </message>
    <message>
        <source>Loan &amp;account number:</source>
        <translation>Darlehens&amp;kontonummer:</translation>
    </message>
    <message>
        <source>&amp;Lender:</source>
        <translation>&amp;Darlehensgeber:</translation>
    </message>
    <message>
        <source>Lender&apos;s addr&amp;ess:</source>
        <translation>&amp;Adresse des Darlehensgebers:</translation>
    </message>
    <message>
        <source>The letter then says how long the lender has to answer and where you may go next.</source>
        <translation>Der Brief nennt dann, wie lange der Darlehensgeber Zeit für eine Antwort hat und wohin Sie sich danach wenden können.</translation>
    </message>
    <message>
        <source>C&amp;ountry:</source>
        <translation>&amp;Land:</translation>
    </message>
    <message>
        <source>A posting charged this much or more above its due is ticked.</source>
        <translation>Ein Zinstermin, dessen Belastung um diesen Betrag oder mehr über den fälligen Zinsen liegt, wird markiert.</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>Sch&amp;welle:</translation>
    </message>
    <message>
        <source>The threshold &apos;%1&apos; is not an amount of 0 or more.</source>
        <translation>Die Schwelle &apos;%1&apos; ist kein Betrag von 0 oder mehr.</translation>
    </message>
    <message>
        <source>%1 raised, %2 in all, and the interest it would have saved: %3.</source>
        <translation>%1 beanstandet, insgesamt %2, und die Zinsen, die dadurch eingespart worden wären: %3.</translation>
    </message>
    <message>
        <source>1 posting</source>
        <translation>1 Zinstermin</translation>
    </message>
    <message>
        <source>%1 postings</source>
        <translation>%1 Zinstermine</translation>
    </message>
    <message>
        <source>No letter: %1.</source>
        <translation>Kein Brief: %1.</translation>
    </message>
    <message>
        <source>Save the Letter</source>
        <translation>Brief speichern</translation>
    </message>
    <message>
        <source>OpenDocument text|*.odt</source>
        <translation>OpenDocument-Text|*.odt</translation>
    </message>
    <message>
        <source>Save the Evidence</source>
        <translation>Nachweise speichern</translation>
    </message>
    <message>
        <source>PDF|*.pdf</source>
        <translation>PDF|*.pdf</translation>
    </message>
    <message>
        <source>The letter is in %1 and the evidence in %2. Read the letter through, sign it and send both to your lender.</source>
        <translation>Der Brief befindet sich in %1 und die Nachweise in %2. Lesen Sie den Brief durch, unterschreiben Sie ihn und senden Sie beides an Ihren Darlehensgeber.</translation>
    </message>
    <message>
        <source>The letter needs %1: fill in &quot;%2&quot; before it is written.</source>
        <translation>Der Brief braucht %1: Füllen Sie „%2“ aus, bevor er geschrieben wird.</translation>
    </message>
    <message>
        <source>Prepare a Complaint</source>
        <translation>Beschwerde vorbereiten</translation>
    </message>
    <message>
        <source>A letter to your lender that raises each posting charged above its interest due, with what explains it, and the evidence behind it: the summary, the report, the working of each posting raised, the rates and statements. Untick a posting to leave it out. The details are kept in the account for next time.</source>
        <translation>Ein Brief an Ihren Darlehensgeber, der jeden Zinstermin beanstandet, dessen Belastung über den fälligen Zinsen liegt, mit dem, was ihn erklärt, und die Nachweise dazu: die Zusammenfassung, der Bericht, der Rechenweg jedes beanstandeten Zinstermins, die Zinssätze und die Auszüge. Entfernen Sie das Häkchen bei einem Zinstermin, um ihn auszulassen. Die Angaben werden für das nächste Mal im Konto gespeichert.</translation>
    </message>
    <message>
        <source>The complaint cannot be prepared: %1</source>
        <translation>Die Beschwerde kann nicht vorbereitet werden: %1</translation>
    </message>
    <message>
        <source>The details could not be kept in the account: %1</source>
        <translation>Die Angaben konnten nicht im Konto gespeichert werden: %1</translation>
    </message>
    <message>
        <source>%1 complaint.odt</source>
        <translation>%1 Beschwerde.odt</translation>
    </message>
    <message>
        <source>%1 evidence.pdf</source>
        <translation>%1 Nachweise.pdf</translation>
    </message>
</context>
<context>
    <name>Conventions</name>
    <message>
        <source>Actual/365 Fixed</source>
        <translation>Actual/365 Fixed</translation>
    </message>
    <message>
        <source>Actual/Actual</source>
        <translation>Actual/Actual</translation>
    </message>
    <message>
        <source>Actual/365 No-Leap</source>
        <translation>Actual/365 No-Leap</translation>
    </message>
    <message>
        <source>Actual/360</source>
        <translation>Actual/360</translation>
    </message>
    <message>
        <source>30/360</source>
        <translation>30/360</translation>
    </message>
    <message>
        <source>Equal periods</source>
        <translation>Gleiche Perioden</translation>
    </message>
    <message>
        <source>Each day to four decimals</source>
        <translation>Täglich auf vier Nachkommastellen</translation>
    </message>
    <message>
        <source>Each day to cents</source>
        <translation>Täglich auf Cent</translation>
    </message>
    <message>
        <source>At posting, to cents</source>
        <translation>Beim Zinstermin auf Cent</translation>
    </message>
    <message>
        <source>each day to four decimals</source>
        <translation>täglich auf vier Nachkommastellen</translation>
    </message>
    <message>
        <source>each day to cents</source>
        <translation>täglich auf Cent</translation>
    </message>
    <message>
        <source>at posting, to cents</source>
        <translation>beim Zinstermin auf Cent</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Half-yearly</source>
        <translation>Halbjährlich</translation>
    </message>
    <message>
        <source>The yearly rate divided by 365 on every day, 29 February too. The large Australian lenders.</source>
        <translation>Der Jahreszinssatz an jedem Tag durch 365 geteilt, auch am 29. Februar. Die großen australischen Darlehensgeber.</translation>
    </message>
    <message>
        <source>Divided by 366 on the days of a leap year, by 365 otherwise. Lenders that count a leap year&apos;s 366 days, as some British and European banks do.</source>
        <translation>An den Tagen eines Schaltjahres durch 366 geteilt, sonst durch 365. Darlehensgeber, die die 366 Tage eines Schaltjahres zählen, wie es einige britische und europäische Banken tun.</translation>
    </message>
    <message>
        <source>Divided by 365, and 29 February bears no interest. Lenders that never charge for the leap day.</source>
        <translation>Durch 365 geteilt, und der 29. Februar wird nicht verzinst. Darlehensgeber, die für den Schalttag nie etwas berechnen.</translation>
    </message>
    <message>
        <source>Divided by 360 on every day, so a year costs a little more. Many US and European commercial lenders and lines of credit.</source>
        <translation>An jedem Tag durch 360 geteilt, sodass ein Jahr etwas mehr kostet. Viele gewerbliche Darlehensgeber und Kreditlinien in den USA und Europa.</translation>
    </message>
    <message>
        <source>Every month counts 30 days at rate / 360: the 31st bears nothing, the last day of February makes up the month. Most US mortgage servicers.</source>
        <translation>Jeder Monat zählt 30 Tage zum Zinssatz / 360: Der 31. wird nicht verzinst, der letzte Tag im Februar füllt den Monat auf. Die meisten Darlehensverwalter in den USA.</translation>
    </message>
    <message>
        <source>Each posting period is the same share of a year (1/12 for monthly postings) whatever its length; its days share it equally. Canadian lenders, and the rate / 12 of the Australian credit code.</source>
        <translation>Jede Zinsperiode ist unabhängig von ihrer Länge derselbe Anteil eines Jahres (1/12 bei monatlichen Zinsterminen); ihre Tage teilen ihn gleichmäßig. Kanadische Darlehensgeber sowie der Zinssatz / 12 des australischen Verbraucherkreditrechts.</translation>
    </message>
    <message>
        <source>Each day&apos;s interest is rounded to four decimals, then added up. The large Australian lenders.</source>
        <translation>Die Zinsen jedes Tages werden auf vier Nachkommastellen gerundet und dann addiert. Die großen australischen Darlehensgeber.</translation>
    </message>
    <message>
        <source>Each day&apos;s interest is rounded to whole cents, then added up. Lenders whose statements show each day&apos;s interest in cents.</source>
        <translation>Die Zinsen jedes Tages werden auf volle Cent gerundet und dann addiert. Darlehensgeber, deren Auszüge die Zinsen jedes Tages in Cent ausweisen.</translation>
    </message>
    <message>
        <source>The days&apos; interest is added up unrounded; only the posted total is rounded to cents. Lenders that work out a month&apos;s interest at once, as most US servicers do.</source>
        <translation>Die Zinsen der Tage werden ungerundet addiert; nur die zum Zinstermin gebuchte Summe wird auf Cent gerundet. Darlehensgeber, die die Zinsen eines Monats in einem Schritt berechnen, wie es die meisten Darlehensverwalter in den USA tun.</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Posting period</source>
        <translation>Zinsperiode</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>%1-month blocks from %2</source>
        <translation>%1-Monats-Blöcke ab %2</translation>
    </message>
    <message>
        <source>%1 (%2 a year)</source>
        <translation>%1 (%2 pro Jahr)</translation>
    </message>
    <message>
        <source>annual rest</source>
        <translation>jährliche Tilgungsverrechnung</translation>
    </message>
    <message>
        <source>rest: posting period</source>
        <translation>Tilgungsverrechnung: Zinsperiode</translation>
    </message>
    <message>
        <source>rest: %1-month blocks from %2</source>
        <translation>Tilgungsverrechnung: %1-Monats-Blöcke ab %2</translation>
    </message>
    <message>
        <source>compounded half-yearly (%1 periods a year)</source>
        <translation>halbjährlich verzinst (%1 Perioden pro Jahr)</translation>
    </message>
    <message>
        <source>Lender&apos;s conventions: %1.</source>
        <translation>Konventionen des Darlehensgebers: %1.</translation>
    </message>
    <message>
        <source>The periods a year must be a whole number from 1 to %1.</source>
        <translation>Die Perioden pro Jahr müssen eine ganze Zahl von 1 bis %1 sein.</translation>
    </message>
    <message>
        <source>A rest&apos;s blocks run 1 to 12 months, from a month 1 to 12.</source>
        <translation>Die Blöcke einer Tilgungsverrechnung umfassen 1 bis 12 Monate und beginnen in einem Monat von 1 bis 12.</translation>
    </message>
    <message>
        <source>Daily interest</source>
        <translation>Tägliche Zinsen</translation>
    </message>
    <message>
        <source>Australia, New Zealand, Ireland and the UK&apos;s daily-interest loans.</source>
        <translation>Darlehen mit täglicher Zinsberechnung in Australien, Neuseeland, Irland und dem Vereinigten Königreich.</translation>
    </message>
    <message>
        <source>Monthly rest, 1/12 a month</source>
        <translation>Monatliche Tilgungsverrechnung, 1/12 je Monat</translation>
    </message>
    <message>
        <source>US mortgages, German Annuitätendarlehen, the UK&apos;s monthly-rest loans, Canadian variable rates.</source>
        <translation>US-Hypotheken, deutsche Annuitätendarlehen, britische Darlehen mit monatlicher Tilgungsverrechnung, kanadische variable Zinssätze.</translation>
    </message>
    <message>
        <source>Annual rest</source>
        <translation>Jährliche Tilgungsverrechnung</translation>
    </message>
    <message>
        <source>UK building societies, some Irish lenders, the German annual Tilgungsverrechnung.</source>
        <translation>Britische Building Societies, einige irische Darlehensgeber, die deutsche jährliche Tilgungsverrechnung.</translation>
    </message>
    <message>
        <source>Canadian fixed rate</source>
        <translation>Kanadischer Festzins</translation>
    </message>
    <message>
        <source>Canadian fixed-rate mortgages: the rate compounded half-yearly, not in advance.</source>
        <translation>Kanadische Immobiliendarlehen mit Festzins: der Zinssatz halbjährlich verzinst, nicht im Voraus.</translation>
    </message>
    <message>
        <source>Equal months on daily balances</source>
        <translation>Gleiche Monate auf Tagessalden</translation>
    </message>
    <message>
        <source>New Zealand&apos;s BNZ before May 2024; the rate / 12 on the average daily balance of the Australian credit code.</source>
        <translation>Die neuseeländische BNZ vor Mai 2024; der Zinssatz / 12 auf den durchschnittlichen Tagessaldo nach dem australischen Verbraucherkreditrecht.</translation>
    </message>
    <message>
        <source>Equal periods weigh each posting period as a whole, so only the posting can be rounded: choose the rounding &quot;At posting, to cents&quot;.</source>
        <translation>Gleiche Perioden gewichten jede Zinsperiode als Ganzes, daher kann nur beim Zinstermin gerundet werden: Wählen Sie die Rundung „Beim Zinstermin auf Cent“.</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <extracomment>the month</extracomment>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
</context>
<context>
    <name>ConventionsWindow</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Apply Preset</source>
        <translation>Vorlage &amp;anwenden</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>&amp;Vorlage:</translation>
    </message>
    <message>
        <source>Months a block</source>
        <translation>Monate je Block</translation>
    </message>
    <message>
        <source>months &amp;from</source>
        <translation>Monaten a&amp;b</translation>
    </message>
    <message>
        <source>Month the blocks start in</source>
        <translation>Monat, in dem die Blöcke beginnen</translation>
    </message>
    <message>
        <source>Used by equal periods and by compounding: 12 for monthly postings, 26 fortnightly.</source>
        <translation>Wird von gleichen Perioden und von der Verzinsung verwendet: 12 bei monatlichen Zinsterminen, 26 bei vierzehntäglichen.</translation>
    </message>
    <message>
        <source>Periods a &amp;year:</source>
        <translation>&amp;Perioden pro Jahr:</translation>
    </message>
    <message>
        <source>Used by: %1</source>
        <translation>Verwendet von: %1</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Posting period</source>
        <translation>Zinsperiode</translation>
    </message>
    <message>
        <source>Blocks of</source>
        <extracomment>followed by a number of months and &quot;months from&quot; a month: blocks of 12 months from January</extracomment>
        <translation>Blöcke von</translation>
    </message>
    <message>
        <source>Each day&apos;s own balance bears that day&apos;s interest.</source>
        <translation>Jeder Tag wird mit seinem eigenen Saldo verzinst.</translation>
    </message>
    <message>
        <source>The balance on the first day of the posting period bears interest for the whole period: monthly rest where postings are monthly.</source>
        <translation>Der Saldo am ersten Tag der Zinsperiode wird für die ganze Periode verzinst: monatliche Tilgungsverrechnung bei monatlichen Zinsterminen.</translation>
    </message>
    <message>
        <source>The balance on the first day of each block bears interest for the whole block; annual rest: 12 months from January; payments count from the next block.</source>
        <translation>Der Saldo am ersten Tag jedes Blocks wird für den ganzen Block verzinst; jährliche Tilgungsverrechnung: 12 Monate ab Januar; Zahlungen zählen ab dem nächsten Block.</translation>
    </message>
    <message>
        <source>The entered rate is the rate the days bear.</source>
        <translation>Der eingegebene Zinssatz ist der Zinssatz, den die Tage tragen.</translation>
    </message>
    <message>
        <source>The entered rate is compounded half-yearly: the days bear the rate equivalent to it over the periods a year. Canadian fixed rates.</source>
        <translation>Der eingegebene Zinssatz wird halbjährlich verzinst: Die Tage tragen den Zinssatz, der ihm über die Perioden pro Jahr entspricht. Wie bei kanadischen Festzinsen.</translation>
    </message>
    <message>
        <source>Lender&apos;s Conventions</source>
        <translation>Konventionen des Darlehensgebers</translation>
    </message>
    <message>
        <source>How your lender works out a day&apos;s interest. Each choice is stored at once and used by every report of this account.</source>
        <translation>Wie Ihr Darlehensgeber die Zinsen eines Tages berechnet. Jede Auswahl wird sofort gespeichert und von jedem Bericht dieses Kontos verwendet.</translation>
    </message>
    <message>
        <source>Day Count</source>
        <translation>Zinstagezählung</translation>
    </message>
    <message>
        <source>Rounding of Interest</source>
        <translation>Rundung der Zinsen</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>the interval on whose balance interest is worked (daily rest, monthly rest)</extracomment>
        <translation>Tilgungsverrechnung</translation>
    </message>
    <message>
        <source>Compounding</source>
        <translation>Verzinsung</translation>
    </message>
    <message>
        <source>The lender&apos;s conventions could not be stored: %1</source>
        <translation>Die Konventionen des Darlehensgebers konnten nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>CsvCells</name>
    <message>
        <source>the day first</source>
        <translation>dem Tag zuerst</translation>
    </message>
    <message>
        <source>the month first</source>
        <translation>dem Monat zuerst</translation>
    </message>
</context>
<context>
    <name>CsvDetection</name>
    <message>
        <source>A quote opened on line %1 is never closed: the file is cut short or damaged.</source>
        <translation>Ein in Zeile %1 geöffnetes Anführungszeichen wird nie geschlossen: Die Datei ist abgeschnitten oder beschädigt.</translation>
    </message>
    <message>
        <source>No line of the file reads as a transaction: none has a date and an amount.</source>
        <translation>Keine Zeile der Datei ist als Buchung lesbar: Keine hat ein Datum und einen Betrag.</translation>
    </message>
    <message>
        <source>No column of the file holds only amounts.</source>
        <translation>Keine Spalte der Datei enthält nur Beträge.</translation>
    </message>
</context>
<context>
    <name>CsvLayout</name>
    <message>
        <source>Line %1 is not &quot;name=value&quot;.</source>
        <translation>Zeile %1 hat nicht die Form „Name=Wert“.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a value for %3.</source>
        <translation>Zeile %1: „%2“ ist kein Wert für %3.</translation>
    </message>
    <message>
        <source>The preset has no name.</source>
        <translation>Die Vorlage hat keinen Namen.</translation>
    </message>
</context>
<context>
    <name>CsvLayoutPanel</name>
    <message>
        <source>Comma</source>
        <extracomment>The delimiter of a CSV file&apos;s fields: the comma character</extracomment>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>Tab</source>
        <extracomment>The tab character</extracomment>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Pipe</source>
        <translation>Senkrechter Strich</translation>
    </message>
    <message>
        <source>CSV layout</source>
        <translation>CSV-Aufbau</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Aufbau:</translation>
    </message>
    <message>
        <source>&amp;Delimiter:</source>
        <translation>&amp;Trennzeichen:</translation>
    </message>
    <message>
        <source>Lines to &amp;skip:</source>
        <translation>Zu übers&amp;pringende Zeilen:</translation>
    </message>
    <message>
        <source>Point (1,234.56)</source>
        <translation>Punkt (1,234.56)</translation>
    </message>
    <message>
        <source>Comma (1.234,56)</source>
        <translation>Komma (1.234,56)</translation>
    </message>
    <message>
        <source>Decimal poi&amp;nt:</source>
        <translation>De&amp;zimaltrennzeichen:</translation>
    </message>
    <message>
        <source>One signed column</source>
        <translation>Eine Spalte mit Vorzeichen</translation>
    </message>
    <message>
        <source>Debit and credit columns</source>
        <translation>Soll- und Habenspalten</translation>
    </message>
    <message>
        <source>&amp;Amounts:</source>
        <translation>&amp;Beträge:</translation>
    </message>
    <message>
        <source>Da&amp;te column:</source>
        <translation>Datu&amp;msspalte:</translation>
    </message>
    <message>
        <source>Descri&amp;ption column:</source>
        <translation>B&amp;uchungstextspalte:</translation>
    </message>
    <message>
        <source>A&amp;mount column:</source>
        <translation>Betrags&amp;spalte:</translation>
    </message>
    <message>
        <source>De&amp;bit column:</source>
        <translation>S&amp;ollspalte:</translation>
    </message>
    <message>
        <source>C&amp;redit column:</source>
        <translation>&amp;Habenspalte:</translation>
    </message>
    <message>
        <source>Balan&amp;ce column:</source>
        <translation>Sa&amp;ldospalte:</translation>
    </message>
    <message>
        <source>Si&amp;gn column:</source>
        <translation>Vorze&amp;ichenspalte:</translation>
    </message>
    <message>
        <source>&amp;Header row</source>
        <translation>&amp;Kopfzeile</translation>
    </message>
    <message>
        <source>Date &amp;order:</source>
        <translation>Datums&amp;reihenfolge:</translation>
    </message>
    <message>
        <source>&amp;Flip the sign</source>
        <translation>&amp;Vorzeichen umkehren</translation>
    </message>
    <message>
        <source>&amp;Date order:</source>
        <translation>&amp;Datumsreihenfolge:</translation>
    </message>
    <message>
        <source>Day first (31/01/2024)</source>
        <translation>Tag zuerst (31/01/2024)</translation>
    </message>
    <message>
        <source>Month first (01/31/2024)</source>
        <translation>Monat zuerst (01/31/2024)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>As detected</source>
        <translation>Wie erkannt</translation>
    </message>
    <message>
        <source>As last time</source>
        <translation>Wie beim letzten Mal</translation>
    </message>
    <message>
        <source>The layout &quot;%1&quot; does not fit this file. %2</source>
        <translation>Der Aufbau „%1“ passt nicht zu dieser Datei. %2</translation>
    </message>
</context>
<context>
    <name>CsvRead</name>
    <message>
        <source>The layout has no date or no amount column.</source>
        <translation>Der Aufbau hat keine Datums- oder keine Betragsspalte.</translation>
    </message>
    <message>
        <source>The line has %1 fields; the layout reads %2.</source>
        <translation>Die Zeile hat %1 Felder; der Aufbau liest %2.</translation>
    </message>
    <message>
        <source>The amount &quot;%1&quot; does not read.</source>
        <translation>Der Betrag „%1“ ist nicht lesbar.</translation>
    </message>
    <message>
        <source>Neither the debit &quot;%1&quot; nor the credit &quot;%2&quot; reads as an amount.</source>
        <translation>Weder der Sollbetrag „%1“ noch der Habenbetrag „%2“ ist als Betrag lesbar.</translation>
    </message>
    <message>
        <source>The sign &quot;%1&quot; does not read: CR or DR, or a code ending in + or -, is expected.</source>
        <translation>Das Vorzeichen „%1“ ist nicht lesbar: Erwartet wird CR oder DR oder ein Code, der auf + oder - endet.</translation>
    </message>
    <message>
        <source>The line has no date.</source>
        <translation>Die Zeile hat kein Datum.</translation>
    </message>
    <message>
        <source>The date &quot;%1&quot; does not read as a date with %2.</source>
        <translation>Das Datum „%1“ lässt sich mit %2 nicht als Datum lesen.</translation>
    </message>
    <message>
        <source>The balance &quot;%1&quot; does not read.</source>
        <translation>Der Saldo „%1“ ist nicht lesbar.</translation>
    </message>
    <message>
        <source>A quote opened on this line is never closed: the file is cut short or damaged, and the lines after it are not read.</source>
        <translation>Ein in dieser Zeile geöffnetes Anführungszeichen wird nie geschlossen: Die Datei ist abgeschnitten oder beschädigt, und die Zeilen danach werden nicht gelesen.</translation>
    </message>
    <message>
        <source>The file has no transactions after line %1.</source>
        <translation>Die Datei hat nach Zeile %1 keine Buchungen.</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>The amounts are read with their sign turned: the payments to the card (&quot;%1&quot;, line %2) are negative where its other rows are mostly positive, as a card&apos;s purchases are.</source>
        <translation>Die Beträge werden mit umgekehrtem Vorzeichen gelesen: Die Zahlungen auf die Karte („%1“, Zeile %2) sind negativ, während ihre übrigen Zeilen überwiegend positiv sind, wie es Kartenkäufe sind.</translation>
    </message>
    <message>
        <source>The amounts are read with their sign turned: their column is named for money out.</source>
        <translation>Die Beträge werden mit umgekehrtem Vorzeichen gelesen: Der Name ihrer Spalte steht für Geldausgänge.</translation>
    </message>
    <message>
        <source>The amounts are read with their sign turned: the balances follow from them that way.</source>
        <translation>Die Beträge werden mit umgekehrtem Vorzeichen gelesen: So ergeben sich die Salden aus ihnen.</translation>
    </message>
    <message>
        <source>No line of the file has the columns %1.</source>
        <translation>Keine Zeile der Datei hat die Spalten %1.</translation>
    </message>
    <message>
        <source>No line of the file reads as a transaction.</source>
        <translation>Keine Zeile der Datei ist als Buchung lesbar.</translation>
    </message>
    <message>
        <source>The amounts are read with their sign turned, as the preset &quot;%1&quot; reads them.</source>
        <translation>Die Beträge werden mit umgekehrtem Vorzeichen gelesen, so wie die Vorlage „%1“ sie liest.</translation>
    </message>
</context>
<context>
    <name>DiagnosisText</name>
    <message>
        <source>the change of %1 of %2</source>
        <translation>die Änderung von %2 vom %1</translation>
    </message>
    <message>
        <source>a loan whose offset was not counted</source>
        <translation>einem Darlehen, dessen Verrechnungskonto nicht angerechnet wurde</translation>
    </message>
    <message>
        <source>a loan whose rate change of %1 applied %2 days later</source>
        <translation>einem Darlehen, dessen Zinsänderung vom %1 %2 Tage später angewandt wurde</translation>
    </message>
    <message>
        <source>a loan whose rate change of %1 applied %2 days earlier</source>
        <translation>einem Darlehen, dessen Zinsänderung vom %1 %2 Tage früher angewandt wurde</translation>
    </message>
    <message>
        <source>a loan whose rate before the change of %1 was kept until %2</source>
        <translation>einem Darlehen, dessen Zinssatz vor der Änderung vom %1 bis %2 beibehalten wurde</translation>
    </message>
    <message>
        <source>a loan whose lender never passed on %1</source>
        <translation>einem Darlehen, dessen Darlehensgeber %1 nie weitergegeben hat</translation>
    </message>
    <message>
        <source>a loan whose lender passed on %1 %2 days late</source>
        <translation>einem Darlehen, dessen Darlehensgeber %1 %2 Tage zu spät weitergegeben hat</translation>
    </message>
    <message>
        <source>a loan whose lender passed on %1 %2 points short</source>
        <translation>einem Darlehen, dessen Darlehensgeber %1 um %2 Punkte zu gering weitergegeben hat</translation>
    </message>
    <message>
        <source>a loan whose repayments were credited %1 days late</source>
        <translation>einem Darlehen, dessen Raten %1 Tage zu spät gutgeschrieben wurden</translation>
    </message>
    <message>
        <source>a loan whose interest was worked out under %1, %2</source>
        <translation>einem Darlehen, dessen Zinsen berechnet wurden nach %1, %2</translation>
    </message>
    <message>
        <source>a loan whose interest was rounded %1</source>
        <translation>einem Darlehen, dessen Zinsen %1 gerundet wurden</translation>
    </message>
    <message>
        <source>a loan whose interest was worked out on annual rest</source>
        <translation>einem Darlehen, dessen Zinsen mit jährlicher Tilgungsverrechnung berechnet wurden</translation>
    </message>
    <message>
        <source>a loan whose interest was worked out on a rest of %1</source>
        <translation>einem Darlehen, dessen Zinsen mit einer Tilgungsverrechnung je %1 berechnet wurden</translation>
    </message>
    <message>
        <source>Offset was not counted</source>
        <translation>Das Verrechnungskonto wurde nicht angerechnet</translation>
    </message>
    <message>
        <source>Rate change of %1 applied %2 days later</source>
        <translation>Die Zinsänderung vom %1 wurde %2 Tage später angewandt</translation>
    </message>
    <message>
        <source>Rate change of %1 applied %2 days earlier</source>
        <translation>Die Zinsänderung vom %1 wurde %2 Tage früher angewandt</translation>
    </message>
    <message>
        <source>Rate before the change of %1 was kept until %2</source>
        <translation>Der Zinssatz vor der Änderung vom %1 wurde bis %2 beibehalten</translation>
    </message>
    <message>
        <source>Lender never passed on %1</source>
        <translation>Der Darlehensgeber hat %1 nie weitergegeben</translation>
    </message>
    <message>
        <source>Lender passed on %1 %2 days late</source>
        <translation>Der Darlehensgeber hat %1 %2 Tage zu spät weitergegeben</translation>
    </message>
    <message>
        <source>Lender passed on %1 %2 points short</source>
        <translation>Der Darlehensgeber hat %1 um %2 Punkte zu gering weitergegeben</translation>
    </message>
    <message>
        <source>Repayments were credited %1 days late</source>
        <translation>Die Raten wurden %1 Tage zu spät gutgeschrieben</translation>
    </message>
    <message>
        <source>Interest was worked out under %1, %2</source>
        <translation>Die Zinsen wurden berechnet nach %1, %2</translation>
    </message>
    <message>
        <source>Interest was rounded %1</source>
        <translation>Die Zinsen wurden %1 gerundet</translation>
    </message>
    <message>
        <source>Interest was worked out on annual rest</source>
        <translation>Die Zinsen wurden mit jährlicher Tilgungsverrechnung berechnet</translation>
    </message>
    <message>
        <source>Interest was worked out on a rest of %1</source>
        <translation>Die Zinsen wurden mit einer Tilgungsverrechnung je %1 berechnet</translation>
    </message>
    <message>
        <source>From %1 to %2 (%3 postings) the charges equal exactly those of %4: %5 less than due.</source>
        <translation>Vom %1 bis %2 (%3 Zinstermine) entsprechen die Belastungen genau denen von %4: %5 weniger als fällig.</translation>
    </message>
    <message>
        <source>From %1 to %2 (%3 postings) the charges equal exactly those of %4: %5 more than due.</source>
        <translation>Vom %1 bis %2 (%3 Zinstermine) entsprechen die Belastungen genau denen von %4: %5 mehr als fällig.</translation>
    </message>
    <message>
        <source>No known mistake explains the difference of %1.</source>
        <translation>Kein bekannter Fehler erklärt die Differenz von %1.</translation>
    </message>
    <message>
        <source>What explains the differences</source>
        <translation>Was die Differenzen erklärt</translation>
    </message>
    <message>
        <source>Every charge agrees with the interest due.</source>
        <translation>Jede Belastung stimmt mit den fälligen Zinsen überein.</translation>
    </message>
    <message>
        <source>No known mistake explains the differences.</source>
        <translation>Kein bekannter Fehler erklärt die Differenzen.</translation>
    </message>
    <message>
        <source>So many differences were found that only those around the largest were searched, and not every way.</source>
        <translation>Es wurden so viele Differenzen gefunden, dass nur die Differenzen um die größte herum durchsucht wurden, und nicht auf jede Weise.</translation>
    </message>
    <message>
        <source>The charges under the explanation are %1: the lender charged nothing on some of these dates.</source>
        <translation>Die Belastungen nach der Erklärung betragen %1: Der Darlehensgeber hat an einigen dieser Tage nichts belastet.</translation>
    </message>
    <message>
        <source>The charge under the explanation is %1: the lender charged nothing on this date.</source>
        <translation>Die Belastung nach der Erklärung beträgt %1: Der Darlehensgeber hat an diesem Datum nichts belastet.</translation>
    </message>
    <message>
        <source>The charges under the explanation equal the lender&apos;s charges.</source>
        <translation>Die Belastungen nach der Erklärung entsprechen den Belastungen des Darlehensgebers.</translation>
    </message>
    <message>
        <source>The charge under the explanation equals the lender&apos;s charge.</source>
        <translation>Die Belastung nach der Erklärung entspricht der Belastung des Darlehensgebers.</translation>
    </message>
    <message>
        <source>The charges under the explanation are %1 less than the lender&apos;s charges.</source>
        <translation>Die Belastungen nach der Erklärung sind %1 niedriger als die Belastungen des Darlehensgebers.</translation>
    </message>
    <message>
        <source>The charge under the explanation is %1 less than the lender&apos;s charge.</source>
        <translation>Die Belastung nach der Erklärung ist %1 niedriger als die Belastung des Darlehensgebers.</translation>
    </message>
    <message>
        <source>The charges under the explanation are %1 more than the lender&apos;s charges.</source>
        <translation>Die Belastungen nach der Erklärung sind %1 höher als die Belastungen des Darlehensgebers.</translation>
    </message>
    <message>
        <source>The charge under the explanation is %1 more than the lender&apos;s charge.</source>
        <translation>Die Belastung nach der Erklärung ist %1 höher als die Belastung des Darlehensgebers.</translation>
    </message>
    <message>
        <source>Over the span&apos;s posting: interest due %1, charges under the explanation %2, the lender&apos;s charges %3.</source>
        <translation>Über den Zinstermin des Zeitraums: fällige Zinsen %1, Belastung nach der Erklärung %2, Belastung des Darlehensgebers %3.</translation>
    </message>
    <message>
        <source>Over the span&apos;s %1 postings: interest due %2, charges under the explanation %3, the lender&apos;s charges %4.</source>
        <translation>Über die %1 Zinstermine des Zeitraums: fällige Zinsen %2, Belastungen nach der Erklärung %3, Belastungen des Darlehensgebers %4.</translation>
    </message>
    <message>
        <source>Working of the explanation on %1 (posting %2 of %3)</source>
        <translation>Rechenweg der Erklärung am %1 (Zinstermin %2 von %3)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Bearing, due</source>
        <translation>Verzinst, fällig</translation>
    </message>
    <message>
        <source>Rate, due</source>
        <translation>Zinssatz, fällig</translation>
    </message>
    <message>
        <source>Interest, due</source>
        <translation>Zinsen, fällig</translation>
    </message>
    <message>
        <source>Bearing, lender</source>
        <translation>Verzinst, Darlehensgeber</translation>
    </message>
    <message>
        <source>Rate, lender</source>
        <translation>Zinssatz, Darlehensgeber</translation>
    </message>
    <message>
        <source>Interest, lender</source>
        <translation>Zinsen, Darlehensgeber</translation>
    </message>
    <message>
        <source>Interest due (Int Due):</source>
        <translation>Fällige Zinsen (Zinsen fällig):</translation>
    </message>
    <message>
        <source>Charge under the explanation:</source>
        <translation>Belastung nach der Erklärung:</translation>
    </message>
    <message>
        <source>Lender&apos;s charge (Int Charge):</source>
        <translation>Belastung des Darlehensgebers (Zinsen belastet):</translation>
    </message>
    <message>
        <source>none on this date</source>
        <translation>keine an diesem Tag</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Save as PDF Error: %1</source>
        <translation>Fehler beim Speichern als PDF: %1</translation>
    </message>
</context>
<context>
    <name>FindMethodWindow</name>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 (%2 a year)</source>
        <translation>%1 (%2 pro Jahr)</translation>
    </message>
    <message>
        <source>The method could not be applied: %1</source>
        <translation>Die Methode konnte nicht angewendet werden: %1</translation>
    </message>
    <message>
        <source>%1, %2 a year</source>
        <translation>%1, %2 pro Jahr</translation>
    </message>
    <message>
        <source>Find Lender&apos;s Method</source>
        <translation>Methode des Darlehensgebers finden</translation>
    </message>
    <message>
        <source>The ways of calculating that come closest to the interest your lender charged, best first. Choose one and Apply it to the account:</source>
        <translation>Die Berechnungsweisen, die den von Ihrem Darlehensgeber belasteten Zinsen am nächsten kommen, die beste zuerst. Wählen Sie eine aus und übernehmen Sie sie mit „Anwenden“ für das Konto:</translation>
    </message>
    <message>
        <source>Day</source>
        <extracomment>the calculation day of the month</extracomment>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>the interval on whose balance interest is worked</extracomment>
        <translation>Tilgungsverrechnung</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <source>Day Count</source>
        <translation>Zinstagezählung</translation>
    </message>
    <message>
        <source>Rounding</source>
        <translation>Rundung</translation>
    </message>
    <message>
        <source>Compounding</source>
        <translation>Verzinsung</translation>
    </message>
    <message>
        <source>Charges Matched</source>
        <translation>Übereinstimmende Belastungen</translation>
    </message>
    <message>
        <source>Total Difference</source>
        <translation>Gesamtdifferenz</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>charges matched of the charges there are</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Tried %L1 ways of calculating; the best %2 are shown.</source>
        <translation>%L1 Berechnungsweisen ausprobiert; die besten %2 werden angezeigt.</translation>
    </message>
</context>
<context>
    <name>HistoryImport</name>
    <message>
        <source>the file states no balance: amounts as read</source>
        <translation>die Datei nennt keinen Saldo: Beträge wie gelesen</translation>
    </message>
    <message>
        <source>the file&apos;s balances are mostly positive, so turned (a loan in debit is negative); its amounts then follow the balances with their sign turned, so they are kept</source>
        <translation>die Salden der Datei sind überwiegend positiv, also umgekehrt (ein Darlehen im Soll ist negativ); ihre Beträge folgen dann den Salden mit umgekehrtem Vorzeichen, also beibehalten</translation>
    </message>
    <message>
        <source>the file&apos;s balances are mostly positive, so turned (a loan in debit is negative); its amounts then follow the balances as read, so they are turned</source>
        <translation>die Salden der Datei sind überwiegend positiv, also umgekehrt (ein Darlehen im Soll ist negativ); ihre Beträge folgen dann den Salden wie gelesen, also umgekehrt</translation>
    </message>
    <message>
        <source>the file&apos;s balances are mostly negative, kept; its amounts then follow the balances with their sign turned, so they are turned</source>
        <translation>die Salden der Datei sind überwiegend negativ, beibehalten; ihre Beträge folgen dann den Salden mit umgekehrtem Vorzeichen, also umgekehrt</translation>
    </message>
    <message>
        <source>the file&apos;s balances are mostly negative, kept; its amounts then follow the balances as read, so they are kept</source>
        <translation>die Salden der Datei sind überwiegend negativ, beibehalten; ihre Beträge folgen dann den Salden wie gelesen, also beibehalten</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>bereit</translation>
    </message>
    <message>
        <source>already in the account</source>
        <translation>bereits im Konto</translation>
    </message>
    <message>
        <source>balance break</source>
        <translation>Saldoabweichung</translation>
    </message>
    <message>
        <source>no balance to check</source>
        <translation>kein Saldo zum Prüfen</translation>
    </message>
    <message>
        <source>balance break at line %1</source>
        <translation>Saldoabweichung in Zeile %1</translation>
    </message>
    <message>
        <source>balance break: the amounts do not reach the closing balance</source>
        <translation>Saldoabweichung: Die Beträge erreichen den Endsaldo nicht</translation>
    </message>
    <message>
        <source>; starts with a balance row</source>
        <translation>; beginnt mit einer Saldozeile</translation>
    </message>
    <message>
        <source>; %1 rows already in the history left out</source>
        <translation>; %1 Zeilen, die bereits im Verlauf stehen, ausgelassen</translation>
    </message>
    <message>
        <source>; %1 rows on committed days not in the history left out</source>
        <translation>; %1 Zeilen an festgeschriebenen Tagen, die nicht im Verlauf stehen, ausgelassen</translation>
    </message>
    <message>
        <source>; no interest charged</source>
        <translation>; keine Zinsen belastet</translation>
    </message>
    <message>
        <source>This file looks like an everyday account rather than the loan: no interest is charged in it, and it holds %1 card purchase(s). Check that it is the loan&apos;s export before you import it.</source>
        <translation>Diese Datei sieht eher nach einem Girokonto als nach dem Darlehen aus: Darin werden keine Zinsen belastet, und sie enthält %1 Kartenzahlung(en). Prüfen Sie, ob es der Export des Darlehens ist, bevor Sie sie importieren.</translation>
    </message>
    <message>
        <source>This file looks like an everyday account rather than the loan: no interest is charged in it. Check that it is the loan&apos;s export before you import it.</source>
        <translation>Diese Datei sieht eher nach einem Girokonto als nach dem Darlehen aus: Darin werden keine Zinsen belastet. Prüfen Sie, ob es der Export des Darlehens ist, bevor Sie sie importieren.</translation>
    </message>
    <message>
        <source>The file&apos;s amounts add up to more than a loan account can hold: it is not a loan&apos;s history.</source>
        <translation>Die Beträge der Datei ergeben zusammen mehr, als ein Darlehenskonto fassen kann: Es ist nicht der Verlauf eines Darlehens.</translation>
    </message>
    <message>
        <source>The file&apos;s history</source>
        <translation>Der Verlauf der Datei</translation>
    </message>
    <message>
        <source>the file states no balance and no opening balance is given</source>
        <translation>die Datei nennt keinen Saldo, und kein Anfangssaldo ist angegeben</translation>
    </message>
    <message>
        <source>statement %1 fails its closing checks</source>
        <translation>Auszug %1 besteht die Abschlussprüfungen nicht</translation>
    </message>
    <message>
        <source>statement %1: %2</source>
        <translation>Auszug %1: %2</translation>
    </message>
    <message>
        <source>the file&apos;s layout cannot be remembered: %1</source>
        <translation>der Aufbau der Datei kann nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>HistoryImportWindow</name>
    <message>
        <source>Import Bank History</source>
        <translation>Umsätze der Bank importieren</translation>
    </message>
    <message>
        <source>The account&apos;s history cannot be read: %1</source>
        <translation>Der Verlauf des Kontos kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Opening</source>
        <extracomment>The statement&apos;s opening balance.</extracomment>
        <translation>Anfangssaldo</translation>
    </message>
    <message>
        <source>Closing</source>
        <extracomment>The statement&apos;s closing balance.</extracomment>
        <translation>Endsaldo</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Statements</source>
        <translation>Auszüge</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Buchungstext</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>The statement&apos;s rows</source>
        <translation>Die Zeilen des Auszugs</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Jeden Monat</translation>
    </message>
    <message>
        <source>Every quarter</source>
        <translation>Jedes Quartal</translation>
    </message>
    <message>
        <source>Every half-year</source>
        <translation>Jedes Halbjahr</translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Jedes Jahr</translation>
    </message>
    <message>
        <source>On the lender&apos;s end dates</source>
        <translation>An den Stichtagen des Darlehensgebers</translation>
    </message>
    <message>
        <source>&amp;Cut the history:</source>
        <translation>&amp;Verlauf aufteilen:</translation>
    </message>
    <message>
        <source>the month&apos;s last</source>
        <extracomment>The cut day&apos;s value 0: periods end on the last day of each month.</extracomment>
        <translation>der Monatsletzte</translation>
    </message>
    <message>
        <source>Periods end on &amp;day:</source>
        <translation>Perioden enden am &amp;Tag:</translation>
    </message>
    <message>
        <source>The statements&apos; end dates, one a line or pasted as a list</source>
        <translation>Die Stichtage der Auszüge, einer pro Zeile oder als Liste eingefügt</translation>
    </message>
    <message>
        <source>Lender&apos;s &amp;end dates:</source>
        <translation>Stichtage des &amp;Darlehensgebers:</translation>
    </message>
    <message>
        <source>&amp;First statement number:</source>
        <translation>&amp;Erste Auszugsnummer:</translation>
    </message>
    <message>
        <source>only for a file without balances</source>
        <translation>nur bei einer Datei ohne Salden</translation>
    </message>
    <message>
        <source>&amp;Opening balance:</source>
        <translation>&amp;Anfangssaldo:</translation>
    </message>
    <message>
        <source>the last statement&apos;s, to check the amounts</source>
        <translation>der des letzten Auszugs, zur Prüfung der Beträge</translation>
    </message>
    <message>
        <source>C&amp;losing balance:</source>
        <translation>E&amp;ndsaldo:</translation>
    </message>
    <message>
        <source>Signs (a loan in debit is negative)</source>
        <translation>Vorzeichen (ein Darlehen im Soll ist negativ)</translation>
    </message>
    <message>
        <source>Turn the &amp;amounts&apos; sign</source>
        <translation>Vorzeichen der &amp;Beträge umkehren</translation>
    </message>
    <message>
        <source>Turn the &amp;balances&apos; sign</source>
        <translation>Vorzeichen der &amp;Salden umkehren</translation>
    </message>
    <message>
        <source>Line %1 does not read: %2</source>
        <translation>Zeile %1 ist nicht lesbar: %2</translation>
    </message>
    <message>
        <source>The file holds no transactions.</source>
        <translation>Die Datei enthält keine Buchungen.</translation>
    </message>
    <message>
        <source>Proposed: %1.</source>
        <translation>Vorgeschlagen: %1.</translation>
    </message>
    <message>
        <source>as you set them</source>
        <translation>wie von Ihnen festgelegt</translation>
    </message>
    <message>
        <source>The signs are as you set them.</source>
        <translation>Die Vorzeichen sind so, wie Sie sie festgelegt haben.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date (%2).</source>
        <translation>&apos;%1&apos; ist kein Datum (%2).</translation>
    </message>
    <message>
        <source>Type or paste the lender&apos;s statement end dates.</source>
        <translation>Geben Sie die Stichtage der Auszüge des Darlehensgebers ein oder fügen Sie sie ein.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not an amount.</source>
        <translation>%1 &apos;%2&apos; ist kein Betrag.</translation>
    </message>
    <message>
        <source>%1 statements, %2 ready to import.</source>
        <translation>%1 Auszüge, %2 bereit zum Import.</translation>
    </message>
    <message>
        <source>No period of the file is complete yet.</source>
        <translation>Noch keine Periode der Datei ist vollständig.</translation>
    </message>
    <message>
        <source>Note: %1.</source>
        <translation>Hinweis: %1.</translation>
    </message>
    <message>
        <source>1 row after the last complete period is left for the next import.</source>
        <translation>1 Zeile nach der letzten vollständigen Periode bleibt für den nächsten Import übrig.</translation>
    </message>
    <message>
        <source>%1 rows after the last complete period are left for the next import.</source>
        <translation>%1 Zeilen nach der letzten vollständigen Periode bleiben für den nächsten Import übrig.</translation>
    </message>
    <message>
        <source>%1

Import it all the same?</source>
        <translation>%1

Trotzdem importieren?</translation>
    </message>
    <message>
        <source>No statement is ready: there is nothing to import.</source>
        <translation>Kein Auszug ist bereit: Es gibt nichts zu importieren.</translation>
    </message>
    <message>
        <source>No copy of the account could be kept, so nothing was imported: %1</source>
        <translation>Es konnte keine Kopie des Kontos angelegt werden, daher wurde nichts importiert: %1</translation>
    </message>
    <message>
        <source>Import Error: nothing was imported: %1</source>
        <translation>Importfehler: Es wurde nichts importiert: %1</translation>
    </message>
    <message>
        <source>%1 statements with %2 transactions were imported.</source>
        <translation>%1 Auszüge mit %2 Buchungen wurden importiert.</translation>
    </message>
    <message>
        <source>The account as it was before the import is kept as %1.</source>
        <translation>Das Konto, wie es vor dem Import war, wird als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The bank&apos;s file holds no interest rates: enter the rate periods from %1 to %2, or read them from the lender&apos;s charges with Propose from Charges….</source>
        <translation>Die Datei der Bank enthält keine Zinssätze: Geben Sie die Zinssatzzeiträume vom %1 bis %2 ein, oder leiten Sie sie mit „Aus Belastungen vorschlagen…“ aus den Belastungen des Darlehensgebers ab.</translation>
    </message>
</context>
<context>
    <name>HistorySpan</name>
    <message>
        <source>%1 runs from %2 to %3: more than %4 years, longer than any loan. Correct the dates that are wrong and try again.</source>
        <translation>%1 reicht vom %2 bis %3: mehr als %4 Jahre, länger als jedes Darlehen. Korrigieren Sie die falschen Datumsangaben und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>Import Transactions</source>
        <translation>Buchungen importieren</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>The statement&apos;s transactions cannot be read: %1</source>
        <translation>Die Buchungen des Auszugs können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Column r&amp;ules (word = column):</source>
        <translation>Spalten&amp;regeln (Wort = Spalte):</translation>
    </message>
    <message>
        <source>Column rules</source>
        <translation>Spaltenregeln</translation>
    </message>
    <message>
        <source>%1 of %2 rows ticked.</source>
        <translation>%1 von %2 Zeilen markiert.</translation>
    </message>
    <message>
        <source>Line %1 does not read; untick it to import the other rows.</source>
        <translation>Zeile %1 ist nicht lesbar; entfernen Sie ihr Häkchen, um die übrigen Zeilen zu importieren.</translation>
    </message>
    <message>
        <source>The file&apos;s balances agree with the running balance.</source>
        <translation>Die Salden der Datei stimmen mit dem laufenden Saldo überein.</translation>
    </message>
    <message>
        <source>The file&apos;s balance parts from the running balance at line %1.</source>
        <translation>Der Saldo der Datei weicht in Zeile %1 vom laufenden Saldo ab.</translation>
    </message>
    <message>
        <source>With the ticked rows the statement reaches its closing balance, %1.</source>
        <translation>Mit den markierten Zeilen erreicht der Auszug seinen Endsaldo, %1.</translation>
    </message>
    <message>
        <source>With the ticked rows the statement reaches %1; its closing balance is %2.</source>
        <translation>Mit den markierten Zeilen erreicht der Auszug %1; sein Endsaldo ist %2.</translation>
    </message>
    <message>
        <source>Line %1 does not read: %2
Untick it to import the other rows.</source>
        <translation>Zeile %1 ist nicht lesbar: %2
Entfernen Sie ihr Häkchen, um die übrigen Zeilen zu importieren.</translation>
    </message>
    <message>
        <source>No row is ticked: there is nothing to import.</source>
        <translation>Keine Zeile ist markiert: Es gibt nichts zu importieren.</translation>
    </message>
    <message>
        <source>Import Error: %1</source>
        <translation>Importfehler: %1</translation>
    </message>
</context>
<context>
    <name>ImportPreview</name>
    <message>
        <source>Outside the statement&apos;s dates (%1 to %2).</source>
        <translation>Außerhalb des Auszugszeitraums (%1 bis %2).</translation>
    </message>
    <message>
        <source>Pending: no date yet</source>
        <translation>Vorgemerkt: noch ohne Datum</translation>
    </message>
    <message>
        <source>The amount is 0: the row moves no money.</source>
        <translation>Der Betrag ist 0: Die Zeile bewegt kein Geld.</translation>
    </message>
    <message>
        <source>The bank cancels its transaction %1 of an earlier file; if it was entered, delete it by hand.</source>
        <translation>Die Bank storniert ihre Buchung %1 aus einer früheren Datei; falls sie eingegeben wurde, löschen Sie sie von Hand.</translation>
    </message>
    <message>
        <source>The bank corrects its transaction %1 of an earlier file, which the account holds: change it by hand instead.</source>
        <translation>Die Bank berichtigt ihre Buchung %1 aus einer früheren Datei, die im Konto gespeichert ist: Ändern Sie sie stattdessen von Hand.</translation>
    </message>
    <message>
        <source>Already in the statement.</source>
        <translation>Bereits im Auszug.</translation>
    </message>
    <message>
        <source>Already in the account&apos;s history.</source>
        <translation>Bereits im Verlauf des Kontos.</translation>
    </message>
    <message>
        <source>The file&apos;s balance %1 parts here from the running balance %2.</source>
        <translation>Der Saldo %1 der Datei weicht hier vom laufenden Saldo %2 ab.</translation>
    </message>
    <message>
        <source>The amounts are read with their sign turned: the statement reaches its closing balance with them that way.</source>
        <translation>Die Beträge werden mit umgekehrtem Vorzeichen gelesen: So erreicht der Auszug mit ihnen seinen Endsaldo.</translation>
    </message>
    <message>
        <source>The amounts are read with their sign turned: the file&apos;s balances agree with the statement&apos;s that way.</source>
        <translation>Die Beträge werden mit umgekehrtem Vorzeichen gelesen: So stimmen die Salden der Datei mit denen des Auszugs überein.</translation>
    </message>
</context>
<context>
    <name>ImportRowsModel</name>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Buchungstext</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
</context>
<context>
    <name>ImportSession</name>
    <message>
        <source> or </source>
        <extracomment>Joins the names of the file&apos;s other date columns: &quot;Date&quot; or &quot;Posted&quot;.</extracomment>
        <translation> oder </translation>
    </message>
    <message>
        <source>The rows are dated by their value date, &quot;%1&quot;, which interest follows, not by %2.</source>
        <translation>Die Zeilen sind nach ihrem Wertstellungsdatum „%1“ datiert, nach dem sich die Zinsen richten, nicht nach %2.</translation>
    </message>
    <message>
        <source>The rows are dated by &quot;%1&quot;, not by %2.</source>
        <translation>Die Zeilen sind nach „%1“ datiert, nicht nach %2.</translation>
    </message>
    <message>
        <source>Each entry is dated by its value date, from which interest runs.</source>
        <translation>Jede Buchung ist nach ihrer Wertstellung datiert, ab der die Zinsen laufen.</translation>
    </message>
    <message>
        <source>The entries are dated by their booking date: the file gives no value date.</source>
        <translation>Die Buchungen sind nach ihrem Buchungstag datiert: Die Datei nennt keine Wertstellung.</translation>
    </message>
    <message>
        <source>%1 of the %2 entries are dated by their value date, from which interest runs; the others by their booking date.</source>
        <translation>%1 der %2 Buchungen sind nach ihrer Wertstellung datiert, ab der die Zinsen laufen; die übrigen nach ihrem Buchungstag.</translation>
    </message>
</context>
<context>
    <name>ImportSteps</name>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>no type</source>
        <translation>kein Typ</translation>
    </message>
    <message>
        <source>%1 (%2, %3 rows)</source>
        <extracomment>An account of a QIF file: its name, its type and its number of rows</extracomment>
        <translation>%1 (%2, %3 Zeilen)</translation>
    </message>
    <message>
        <source>%1 holds several accounts. Which one do you import?</source>
        <translation>%1 enthält mehrere Konten. Welches möchten Sie importieren?</translation>
    </message>
    <message>
        <source>%1 cannot be imported. %2</source>
        <translation>%1 kann nicht importiert werden. %2</translation>
    </message>
    <message>
        <source>The dates of this file read both with the day first and with the month first.
Are the days first, as in 31/01/2024?</source>
        <translation>Die Datumsangaben dieser Datei sind sowohl mit dem Tag zuerst als auch mit dem Monat zuerst lesbar.
Steht der Tag zuerst, wie in 31/01/2024?</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ImportWriter</name>
    <message>
        <source>Line %1 does not read: %2</source>
        <translation>Zeile %1 ist nicht lesbar: %2</translation>
    </message>
    <message>
        <source>An amount of the row of %1 cannot be read.</source>
        <translation>Ein Betrag der Zeile vom %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The running balance leaves the range of amounts.</source>
        <translation>Der laufende Saldo verlässt den Bereich der Beträge.</translation>
    </message>
</context>
<context>
    <name>InterestEngine</name>
    <message>
        <source>Transaction date error. %1 record(s) without a date were left out of the calculation. Please check all dates.</source>
        <translation>Fehler in einem Buchungsdatum. %1 Datensatz/Datensätze ohne Datum wurde(n) bei der Berechnung ausgelassen. Bitte prüfen Sie alle Datumsangaben.</translation>
    </message>
    <message>
        <source>The interest due from %1 is more than an account can hold: the account cannot be calculated from there.</source>
        <translation>Die fälligen Zinsen ab dem %1 übersteigen, was ein Konto fassen kann: Das Konto kann ab dort nicht berechnet werden.</translation>
    </message>
    <message>
        <source>Interest date error. Please check all dates.</source>
        <translation>Fehler in einem Zinsdatum. Bitte prüfen Sie alle Datumsangaben.</translation>
    </message>
</context>
<context>
    <name>InterestMethod</name>
    <message>
        <source>Fixed Day</source>
        <translation>Fester Tag</translation>
    </message>
    <message>
        <source>Fixed Day, Deferred Interest</source>
        <translation>Fester Tag, aufgeschobene Zinsen</translation>
    </message>
    <message>
        <source>Variable Day</source>
        <translation>Variabler Tag</translation>
    </message>
    <message>
        <source>Variable Day, Deferred Interest</source>
        <translation>Variabler Tag, aufgeschobene Zinsen</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
</context>
<context>
    <name>LenderFit</name>
    <message>
        <source>The history holds no interest charged by the lender, so there is nothing to compare with.</source>
        <translation>Der Verlauf enthält keine vom Darlehensgeber belasteten Zinsen, daher gibt es nichts zu vergleichen.</translation>
    </message>
</context>
<context>
    <name>LoanSet</name>
    <message>
        <source>The loan set needs a name.</source>
        <translation>Die Darlehensgruppe braucht einen Namen.</translation>
    </message>
    <message>
        <source>The loan set needs at least one part.</source>
        <translation>Die Darlehensgruppe braucht mindestens ein Teildarlehen.</translation>
    </message>
    <message>
        <source>A loan set has at most %1 parts.</source>
        <translation>Eine Darlehensgruppe hat höchstens %1 Teildarlehen.</translation>
    </message>
    <message>
        <source>Each part needs a name and an account file.</source>
        <translation>Jedes Teildarlehen braucht einen Namen und eine Kontodatei.</translation>
    </message>
    <message>
        <source>Two parts are named &quot;%1&quot;.</source>
        <translation>Zwei Teildarlehen heißen „%1“.</translation>
    </message>
    <message>
        <source>Two parts name the account &quot;%1&quot;.</source>
        <translation>Zwei Teildarlehen nennen das Konto „%1“.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a loan set: %2</source>
        <translation>&apos;%1&apos; ist keine Darlehensgruppe: %2</translation>
    </message>
    <message>
        <source>it cannot be read.</source>
        <translation>sie kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>it is larger than any loan set.</source>
        <translation>sie ist größer als jede Darlehensgruppe.</translation>
    </message>
    <message>
        <source>it is not JSON text of an object.</source>
        <translation>sie ist kein JSON-Text eines Objekts.</translation>
    </message>
    <message>
        <source>it does not say it is one.</source>
        <translation>sie gibt nicht an, eine zu sein.</translation>
    </message>
    <message>
        <source>it is of a version this program does not read.</source>
        <translation>sie hat eine Version, die dieses Programm nicht liest.</translation>
    </message>
    <message>
        <source>a part is not a name, an account file and a method of 0 to 3.</source>
        <translation>ein Teildarlehen besteht nicht aus Name, Kontodatei und einer Methode von 0 bis 3.</translation>
    </message>
</context>
<context>
    <name>LoanSetCommands</name>
    <message>
        <source>Loan Set</source>
        <extracomment>The kind of file a file dialog lists: the loan sets</extracomment>
        <translation>Darlehensgruppe</translation>
    </message>
    <message>
        <source>Open Loan Set</source>
        <translation>Darlehensgruppe öffnen</translation>
    </message>
    <message>
        <source>Save Loan Set</source>
        <translation>Darlehensgruppe speichern</translation>
    </message>
    <message>
        <source>Add Part</source>
        <translation>Teildarlehen hinzufügen</translation>
    </message>
</context>
<context>
    <name>LoanSetWindow</name>
    <message>
        <source>Loan Set</source>
        <translation>Darlehensgruppe</translation>
    </message>
    <message>
        <source>&amp;Name of the loan set:</source>
        <translation>&amp;Name der Darlehensgruppe:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Account file</source>
        <translation>Kontodatei</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Parts of the loan</source>
        <translation>Teildarlehen</translation>
    </message>
    <message>
        <source>&amp;Parts of the loan:</source>
        <translation>&amp;Teildarlehen:</translation>
    </message>
    <message>
        <source>&amp;Add Part…</source>
        <translation>Teildarlehen &amp;hinzufügen…</translation>
    </message>
    <message>
        <source>&amp;Remove Part</source>
        <translation>Teildarlehen &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>Prü&amp;fen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Fehlt</translation>
    </message>
    <message>
        <source>Not an account</source>
        <translation>Kein Konto</translation>
    </message>
    <message>
        <source>%1 is not an account: %2</source>
        <translation>%1 ist kein Konto: %2</translation>
    </message>
    <message>
        <source>Name of the part:</source>
        <translation>Name des Teildarlehens:</translation>
    </message>
    <message>
        <source>This file is not a loan set, and is not written over: save the set under another name from New Loan Set.</source>
        <translation>Diese Datei ist keine Darlehensgruppe und wird nicht überschrieben: Speichern Sie die Gruppe über „Neue Darlehensgruppe“ unter einem anderen Namen.</translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Loan Account</source>
        <translation>&amp;Neues Darlehenskonto</translation>
    </message>
    <message>
        <source>&amp;Open Loan Account</source>
        <translation>&amp;Darlehenskonto öffnen</translation>
    </message>
    <message>
        <source>Open Loan &amp;Set…</source>
        <translation>Darlehensgruppe ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>New &amp;Loan Set…</source>
        <translation>Neue Darlehens&amp;gruppe…</translation>
    </message>
    <message>
        <source>&amp;Edit Loan Set…</source>
        <translation>Darlehensgruppe bearbei&amp;ten…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Lender</source>
        <translation>Darlehens&amp;geber</translation>
    </message>
    <message>
        <source>Lender&apos;s &amp;Conventions</source>
        <translation>&amp;Konventionen des Darlehensgebers</translation>
    </message>
    <message>
        <source>&amp;Find Lender&apos;s Method</source>
        <translation>Methode des Darlehensgebers &amp;finden</translation>
    </message>
    <message>
        <source>&amp;Offset Account</source>
        <translation>&amp;Verrechnungskonto</translation>
    </message>
    <message>
        <source>Rate &amp;Terms</source>
        <translation>&amp;Zinsvereinbarung</translation>
    </message>
    <message>
        <source>Re&amp;payment Terms</source>
        <translation>&amp;Rückzahlungsvereinbarung</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>&amp;Check a Loan from the Bank&apos;s File…</source>
        <translation>Darlehen aus der Datei der Bank &amp;prüfen…</translation>
    </message>
    <message>
        <source>Check a S&amp;plit Loan…</source>
        <translation>A&amp;ufgeteiltes Darlehen prüfen…</translation>
    </message>
    <message>
        <source>&amp;New Account from Bank History…</source>
        <translation>Neues &amp;Konto aus den Umsätzen der Bank…</translation>
    </message>
    <message>
        <source>&amp;Statements from Bank History…</source>
        <translation>&amp;Auszüge aus den Umsätzen der Bank…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Erste Schritte</translation>
    </message>
    <message>
        <source>Interest Calculation Method</source>
        <translation>Zinsberechnungsmethode</translation>
    </message>
    <message>
        <source>What Do I Do Now?</source>
        <translation>Was mache ich jetzt?</translation>
    </message>
    <message>
        <source>&amp;Language…</source>
        <translation>&amp;Sprache…</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Language of the windows (from the next start):</source>
        <translation>Sprache der Fenster (ab dem nächsten Start):</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The language could not be kept for the next start.</source>
        <translation>Die Sprache konnte nicht für den nächsten Start gespeichert werden.</translation>
    </message>
    <message>
        <source>The language takes effect the next time Vantrell starts.</source>
        <translation>Die Sprache wird beim nächsten Start von Vantrell wirksam.</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>New Loan Account</source>
        <translation>Neues Darlehenskonto</translation>
    </message>
    <message>
        <source>Open Loan Account</source>
        <translation>Darlehenskonto öffnen</translation>
    </message>
</context>
<context>
    <name>Mt940Reader</name>
    <message>
        <source>The date &quot;%1&quot; does not read.</source>
        <translation>Das Datum „%1“ ist nicht lesbar.</translation>
    </message>
    <message>
        <source>The entry &quot;%1&quot; has no mark C, D, RC or RD after its date.</source>
        <translation>Die Buchung „%1“ hat nach ihrem Datum kein Kennzeichen C, D, RC oder RD.</translation>
    </message>
    <message>
        <source>The amount &quot;%1&quot; does not read.</source>
        <translation>Der Betrag „%1“ ist nicht lesbar.</translation>
    </message>
    <message>
        <source>An interim report of the day: not booked yet.</source>
        <translation>Ein Zwischenbericht des Tages: noch nicht gebucht.</translation>
    </message>
    <message>
        <source>The statement %1 on line %2 states a closing balance of %3, but its entries add up to more than an account holds.</source>
        <translation>Der Auszug %1 in Zeile %2 nennt einen Schlusssaldo von %3, aber seine Buchungen ergeben mehr, als ein Konto fassen kann.</translation>
    </message>
    <message>
        <source>The statement %1 on line %2 states a closing balance of %3, but its entries take its opening balance of %4 to %5.</source>
        <translation>Der Auszug %1 in Zeile %2 nennt einen Schlusssaldo von %3, aber seine Buchungen führen seinen Anfangssaldo von %4 auf %5.</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB: no bank statement is that long.</source>
        <translation>Die Datei ist größer als %1 MB: So lang ist kein Kontoauszug.</translation>
    </message>
    <message>
        <source>This is not an MT940 file: it has no &quot;:25:&quot; account field followed by balance or entry fields.</source>
        <translation>Dies ist keine MT940-Datei: Sie hat kein Kontofeld „:25:“, auf das Salden- oder Buchungsfelder folgen.</translation>
    </message>
    <message>
        <source>The file holds more than %1 entries: no bank statement is that long.</source>
        <translation>Die Datei enthält mehr als %1 Buchungen: So lang ist kein Kontoauszug.</translation>
    </message>
    <message>
        <source>The file has no such account.</source>
        <translation>Die Datei hat kein solches Konto.</translation>
    </message>
    <message>
        <source>The account %1 has no entries in the file.</source>
        <translation>Das Konto %1 hat keine Buchungen in der Datei.</translation>
    </message>
    <message>
        <source>The file has no entries.</source>
        <translation>Die Datei hat keine Buchungen.</translation>
    </message>
</context>
<context>
    <name>OffsetImport</name>
    <message>
        <source>The balances run beyond the largest amount the program can hold; the file cannot be read as balances.</source>
        <translation>Die Salden übersteigen den größten Betrag, den das Programm speichern kann; die Datei kann nicht als Salden gelesen werden.</translation>
    </message>
</context>
<context>
    <name>OffsetImportDialog</name>
    <message>
        <source>Import Offset Balances</source>
        <translation>Salden des Verrechnungskontos importieren</translation>
    </message>
    <message>
        <source>The file states no balances: type the offset account&apos;s balance before its first transaction as the opening balance.</source>
        <translation>Die Datei nennt keine Salden: Geben Sie den Saldo des Verrechnungskontos vor seiner ersten Buchung als Anfangssaldo ein.</translation>
    </message>
    <message>
        <source>The opening balance &quot;%1&quot; does not read as an amount of money, such as 1,234.56 or -25.00.</source>
        <translation>Der Anfangssaldo „%1“ ist nicht als Geldbetrag lesbar, etwa 1,234.56 oder -25.00.</translation>
    </message>
    <message>
        <source>The balances were imported, but the file&apos;s layout could not be remembered: %1</source>
        <translation>Die Salden wurden importiert, aber der Aufbau der Datei konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The offset account&apos;s balances cannot be read: %1</source>
        <translation>Die Salden des Verrechnungskontos können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>&amp;Opening balance:</source>
        <translation>&amp;Anfangssaldo:</translation>
    </message>
    <message>
        <source>Opening balance</source>
        <translation>Anfangssaldo</translation>
    </message>
    <message>
        <source>Balances at the end of each day</source>
        <translation>Salden am Ende jedes Tages</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Already stored</source>
        <translation>Bereits gespeichert</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>a day&apos;s balance the account does not hold yet</extracomment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>%1 days: %2 new, %3 already stored.</source>
        <translation>%1 Tage: %2 neu, %3 bereits gespeichert.</translation>
    </message>
    <message>
        <source>1 row of the file do not read and are left out.</source>
        <translation>1 Zeile der Datei ist nicht lesbar und wird ausgelassen.</translation>
    </message>
    <message>
        <source>%1 rows of the file do not read and are left out.</source>
        <translation>%1 Zeilen der Datei sind nicht lesbar und werden ausgelassen.</translation>
    </message>
    <message>
        <source>1 row without a date yet (pending) are left out.</source>
        <translation>1 Zeile noch ohne Datum (vorgemerkt) wird ausgelassen.</translation>
    </message>
    <message>
        <source>%1 rows without a date yet (pending) are left out.</source>
        <translation>%1 Zeilen noch ohne Datum (vorgemerkt) werden ausgelassen.</translation>
    </message>
    <message>
        <source>1 row before the file&apos;s first balance are left out: the balance of their days is not known.</source>
        <translation>1 Zeile vor dem ersten Saldo der Datei wird ausgelassen: Der Saldo ihres Tages ist nicht bekannt.</translation>
    </message>
    <message>
        <source>%1 rows before the file&apos;s first balance are left out: the balance of their days is not known.</source>
        <translation>%1 Zeilen vor dem ersten Saldo der Datei werden ausgelassen: Der Saldo ihrer Tage ist nicht bekannt.</translation>
    </message>
    <message>
        <source>The file does not read in this layout: %1</source>
        <translation>Die Datei ist in diesem Aufbau nicht lesbar: %1</translation>
    </message>
    <message>
        <source>The file gives no day&apos;s balance: there is nothing to import.</source>
        <translation>Die Datei nennt keinen Tagessaldo: Es gibt nichts zu importieren.</translation>
    </message>
    <message>
        <source>Every day of the file already has a balance in the account: there is nothing to import.</source>
        <translation>Jeder Tag der Datei hat im Konto bereits einen Saldo: Es gibt nichts zu importieren.</translation>
    </message>
    <message>
        <source>Import Error: %1</source>
        <translation>Importfehler: %1</translation>
    </message>
</context>
<context>
    <name>OffsetWindow</name>
    <message>
        <source>Offset account balances</source>
        <translation>Salden des Verrechnungskontos</translation>
    </message>
    <message>
        <source>This loan has an &amp;offset account</source>
        <translation>Dieses Darlehen hat ein &amp;Verrechnungskonto</translation>
    </message>
    <message>
        <source>&amp;Share that counts (%):</source>
        <translation>&amp;Angerechneter Anteil (%):</translation>
    </message>
    <message>
        <source>Share that counts (%)</source>
        <translation>Angerechneter Anteil (%)</translation>
    </message>
    <message>
        <source>&amp;Balances at the end of each day:</source>
        <translation>&amp;Salden am Ende jedes Tages:</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Offset Account</source>
        <translation>Verrechnungskonto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>An offset account is a transaction account whose balance the lender sets against the loan&apos;s before it works out the interest. Enter its balance at the end of each day on which it changed (each holds until the next one), or import them from the bank&apos;s file.</source>
        <translation>Ein Verrechnungskonto ist ein Girokonto, dessen Saldo der Darlehensgeber mit dem des Darlehens verrechnet, bevor er die Zinsen berechnet. Geben Sie seinen Saldo am Ende jedes Tages ein, an dem er sich geändert hat (jeder gilt bis zum nächsten), oder importieren Sie die Salden aus der Datei der Bank.</translation>
    </message>
    <message>
        <source>The offset account&apos;s settings could not be stored: %1</source>
        <translation>Die Einstellungen des Verrechnungskontos konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a share that can count. Type a per cent from 0 to 100 with at most two decimals, such as 100, 40 or 33.5. The share stays %2 %.</source>
        <translation>„%1“ ist kein Anteil, der angerechnet werden kann. Geben Sie einen Prozentsatz von 0 bis 100 mit höchstens zwei Nachkommastellen ein, etwa 100, 40 oder 33.5. Der Anteil bleibt bei %2 %.</translation>
    </message>
    <message>
        <source>Delete the balance of %1 (%2)?</source>
        <translation>Möchten Sie den Saldo vom %1 (%2) löschen?</translation>
    </message>
</context>
<context>
    <name>OfxChild</name>
    <message>
        <source>The OFX reader %1 is missing from the program&apos;s folder: install Vantrell again.</source>
        <translation>Das OFX-Leseprogramm %1 fehlt im Programmordner: Installieren Sie Vantrell erneut.</translation>
    </message>
    <message>
        <source>The file could not be prepared for reading: %1</source>
        <translation>Die Datei konnte nicht zum Lesen vorbereitet werden: %1</translation>
    </message>
    <message>
        <source>The OFX reader %1 could not be started: %2</source>
        <translation>Das OFX-Leseprogramm %1 konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>The reading of the file was cancelled.</source>
        <translation>Das Lesen der Datei wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The file could not be read: its OFX reader stopped (%1).</source>
        <translation>Die Datei konnte nicht gelesen werden: Ihr OFX-Leseprogramm wurde beendet (%1).</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>Exitcode %1</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>es ist abgestürzt</translation>
    </message>
    <message>
        <source>The file could not be read: its OFX reader&apos;s answer does not read.</source>
        <translation>Die Datei konnte nicht gelesen werden: Die Antwort ihres OFX-Leseprogramms ist nicht lesbar.</translation>
    </message>
    <message>
        <source>The file could not be read in time: its reading had not finished after %1 seconds. The file may be damaged, or far larger than a statement.</source>
        <translation>Die Datei konnte nicht rechtzeitig gelesen werden: Das Lesen war nach %1 Sekunden nicht abgeschlossen. Die Datei ist möglicherweise beschädigt oder weit größer als ein Auszug.</translation>
    </message>
</context>
<context>
    <name>OfxReader</name>
    <message>
        <source>The file could not be prepared for reading: %1</source>
        <translation>Die Datei konnte nicht zum Lesen vorbereitet werden: %1</translation>
    </message>
    <message>
        <source>The transaction has no posting date.</source>
        <translation>Die Buchung hat kein Buchungsdatum.</translation>
    </message>
    <message>
        <source>The posting date &quot;%1&quot; does not read.</source>
        <translation>Das Buchungsdatum „%1“ ist nicht lesbar.</translation>
    </message>
    <message>
        <source>The transaction&apos;s posting date does not read.</source>
        <translation>Das Buchungsdatum der Buchung ist nicht lesbar.</translation>
    </message>
    <message>
        <source>The transaction has no amount that reads.</source>
        <translation>Die Buchung hat keinen lesbaren Betrag.</translation>
    </message>
    <message>
        <source>This is not an OFX file: it has no &lt;OFX&gt; element.</source>
        <translation>Dies ist keine OFX-Datei: Sie hat kein &lt;OFX&gt;-Element.</translation>
    </message>
    <message>
        <source>Only %1 of the file&apos;s %2 transactions read; the first that did not may start on this line.</source>
        <translation>Nur %1 der %2 Buchungen der Datei sind lesbar; die erste nicht lesbare beginnt möglicherweise in dieser Zeile.</translation>
    </message>
    <message>
        <source>The file ends before its closing &lt;/OFX&gt;: it is cut short.</source>
        <translation>Die Datei endet vor ihrem abschließenden &lt;/OFX&gt;: Sie ist abgeschnitten.</translation>
    </message>
    <message>
        <source>The file has no transactions.</source>
        <translation>Die Datei hat keine Buchungen.</translation>
    </message>
    <message>
        <source>The bank&apos;s file reports an error: %1</source>
        <translation>Die Datei der Bank meldet einen Fehler: %1</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>Cannot write &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write a file without a name.</source>
        <translation>Eine Datei ohne Namen kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>it is a link to the account &apos;%1&apos;, which is never written over.</source>
        <translation>es ist ein Link auf das Konto &apos;%1&apos;, das nie überschrieben wird.</translation>
    </message>
    <message>
        <source>it is the account itself, which is never written over.</source>
        <translation>es ist das Konto selbst, das nie überschrieben wird.</translation>
    </message>
    <message>
        <source>it is a symbolic link, and nothing is written through one: name the file itself.</source>
        <translation>es ist ein symbolischer Link, und über einen solchen wird nie geschrieben: Geben Sie die Datei selbst an.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>es ist ein Ordner.</translation>
    </message>
    <message>
        <source>it is not a regular file (a pipe, a device or a socket), and is never replaced.</source>
        <translation>es ist keine reguläre Datei (sondern eine Pipe, ein Gerät oder ein Socket) und wird nie ersetzt.</translation>
    </message>
    <message>
        <source>it is an account file, which is never written over.</source>
        <translation>es ist eine Kontodatei, die nie überschrieben wird.</translation>
    </message>
    <message>
        <source>it names the same file as &apos;%1&apos;, and each output needs a file of its own.</source>
        <translation>es bezeichnet dieselbe Datei wie &apos;%1&apos;, und jede Ausgabe braucht eine eigene Datei.</translation>
    </message>
</context>
<context>
    <name>PartImport</name>
    <message>
        <source>%1 holds several accounts: import it with the history import, which asks which one</source>
        <translation>%1 enthält mehrere Konten: Importieren Sie die Datei mit dem Import der Umsätze der Bank, der nachfragt, welches Konto gemeint ist</translation>
    </message>
    <message>
        <source>line %1 of %2 does not read: %3</source>
        <translation>Zeile %1 von %2 ist nicht lesbar: %3</translation>
    </message>
    <message>
        <source>the account&apos;s history cannot be read: %1</source>
        <translation>der Verlauf des Kontos kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1 was not imported</source>
        <translation>%1 wurde nicht importiert</translation>
    </message>
    <message>
        <source>%1 holds no complete statement to import</source>
        <translation>%1 enthält keinen vollständigen Auszug zum Importieren</translation>
    </message>
    <message>
        <source>nothing written: %1</source>
        <translation>nichts geschrieben: %1</translation>
    </message>
    <message>
        <source>the rates cannot be proposed: %1</source>
        <translation>die Zinssätze können nicht vorgeschlagen werden: %1</translation>
    </message>
    <message>
        <source>the rates proposed cannot be stored: %1</source>
        <translation>die vorgeschlagenen Zinssätze können nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>%1 exists already</source>
        <translation>%1 ist bereits vorhanden</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>%1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>PassOn</name>
    <message>
        <source>The costs are not worked out: the series changes %1 times within a history of %2 rows, and %3 million changes times rows is the most whose costs are worked out.</source>
        <translation>Die Kosten werden nicht berechnet: Die Reihe ändert sich %1-mal innerhalb eines Verlaufs von %2 Zeilen, und %3 Millionen (Änderungen mal Zeilen) sind das Höchste, wofür Kosten berechnet werden.</translation>
    </message>
    <message>
        <source>The costs cannot be worked out: the stored rate periods do not give the interest due over the whole history.</source>
        <translation>Die Kosten können nicht berechnet werden: Die gespeicherten Zinssatzzeiträume ergeben nicht die fälligen Zinsen über den ganzen Verlauf.</translation>
    </message>
    <message>
        <source>The cost of the change of %1 cannot be worked out.</source>
        <translation>Die Kosten der Änderung vom %1 können nicht berechnet werden.</translation>
    </message>
    <message>
        <source>The cost of every change passed on in full cannot be worked out: it is more than an account can hold.</source>
        <translation>Die Kosten einer vollständigen Weitergabe jeder Änderung können nicht berechnet werden: Sie übersteigen, was ein Konto fassen kann.</translation>
    </message>
</context>
<context>
    <name>Payoff</name>
    <message>
        <source>No repayment was taken from the history: the projection goes on at the repayment the terms require.</source>
        <translation>Im Verlauf wurde keine gezahlte Rate gefunden: Die Hochrechnung läuft mit der Rate weiter, die die Vereinbarung fordert.</translation>
    </message>
    <message>
        <source>No rate period covers the history&apos;s last day: nothing can be projected past it.</source>
        <translation>Kein Zinssatzzeitraum umfasst den letzten Tag des Verlaufs: Darüber hinaus kann nichts hochgerechnet werden.</translation>
    </message>
</context>
<context>
    <name>PrintedReport</name>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Govt Charge:</source>
        <translation>Staatl. Abgabe:</translation>
    </message>
    <message>
        <source>Bank Charge:</source>
        <translation>Bankgebühr:</translation>
    </message>
    <message>
        <source>Withdrawal:</source>
        <translation>Auszahlung:</translation>
    </message>
    <message>
        <source>Deposit:</source>
        <translation>Einzahlung:</translation>
    </message>
    <message>
        <source>Interest Paid:</source>
        <translation>Belastete Zinsen:</translation>
    </message>
    <message>
        <source>Interest Due:</source>
        <translation>Fällige Zinsen:</translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>Saldo:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Verrechnung:</translation>
    </message>
    <message>
        <source>Errors and Omissions Excluded.</source>
        <translation>Irrtümer und Auslassungen vorbehalten.</translation>
    </message>
    <message>
        <source>If any statements have not been included in this report the calculated interest due for these periods will not be accurate.</source>
        <translation>Wenn Auszüge nicht in diesen Bericht aufgenommen wurden, sind die berechneten fälligen Zinsen für diese Perioden nicht genau.</translation>
    </message>
    <message>
        <source>Page %1 of %2 Pages</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Printed on %1</source>
        <translation>Gedruckt am %1</translation>
    </message>
    <message>
        <source>overflow</source>
        <extracomment>A total too large to show</extracomment>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (Fortsetzung)</translation>
    </message>
    <message>
        <source>The page has no room to print on.</source>
        <translation>Die Seite bietet keinen Platz zum Drucken.</translation>
    </message>
    <message>
        <source>The report could not be sent to the printer or file.</source>
        <translation>Der Bericht konnte nicht an den Drucker oder in die Datei ausgegeben werden.</translation>
    </message>
    <message>
        <source>The printer or file took no further page.</source>
        <translation>Der Drucker oder die Datei hat keine weitere Seite angenommen.</translation>
    </message>
    <message>
        <source>The report could not be finished on the printer or file.</source>
        <translation>Der Bericht konnte auf dem Drucker oder in der Datei nicht fertiggestellt werden.</translation>
    </message>
    <message>
        <source>The pages could not be finished on the printer or file.</source>
        <translation>Die Seiten konnten auf dem Drucker oder in der Datei nicht fertiggestellt werden.</translation>
    </message>
    <message>
        <source>Vantrell Report</source>
        <translation>Vantrell-Bericht</translation>
    </message>
</context>
<context>
    <name>QifReader</name>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>The file ends inside this transaction, before its &quot;^&quot;: it is cut short.</source>
        <translation>Die Datei endet innerhalb dieser Buchung, vor ihrem „^“: Sie ist abgeschnitten.</translation>
    </message>
    <message>
        <source>The transaction has no date (no &quot;D&quot; line).</source>
        <translation>Die Buchung hat kein Datum (keine „D“-Zeile).</translation>
    </message>
    <message>
        <source>The transaction has no amount (no &quot;T&quot; line).</source>
        <translation>Die Buchung hat keinen Betrag (keine „T“-Zeile).</translation>
    </message>
    <message>
        <source>The date &quot;%1&quot; does not read.</source>
        <translation>Das Datum „%1“ ist nicht lesbar.</translation>
    </message>
    <message>
        <source>The amount &quot;%1&quot; does not read.</source>
        <translation>Der Betrag „%1“ ist nicht lesbar.</translation>
    </message>
    <message>
        <source>The file has no such account.</source>
        <translation>Die Datei hat kein solches Konto.</translation>
    </message>
    <message>
        <source>The account %1 has no bank transactions in the file.</source>
        <translation>Das Konto %1 hat in der Datei keine Bankbuchungen.</translation>
    </message>
    <message>
        <source>The file holds the transactions of %1 accounts (%2); one of them has to be chosen.</source>
        <translation>Die Datei enthält die Buchungen von %1 Konten (%2); eines davon muss gewählt werden.</translation>
    </message>
    <message>
        <source>This is not a QIF file: it has no &quot;!Type:&quot; line and no &quot;^&quot; at the end of a transaction.</source>
        <translation>Dies ist keine QIF-Datei: Sie hat keine „!Type:“-Zeile und kein „^“ am Ende einer Buchung.</translation>
    </message>
    <message>
        <source>The file has no bank transactions.</source>
        <translation>Die Datei hat keine Bankbuchungen.</translation>
    </message>
</context>
<context>
    <name>RateProposal</name>
    <message>
        <source>The charge of %1 differs from the interest due by more than an account can hold: no rates are proposed for this account.</source>
        <translation>Die Belastung vom %1 weicht um mehr von den fälligen Zinsen ab, als ein Konto fassen kann: Für dieses Konto werden keine Zinssätze vorgeschlagen.</translation>
    </message>
    <message>
        <source>This method does not fit the lender&apos;s charges: no rate under it reproduces any of them.</source>
        <translation>Diese Methode passt nicht zu den Belastungen des Darlehensgebers: Kein Zinssatz nach dieser Methode bildet eine von ihnen nach.</translation>
    </message>
    <message>
        <source>No rate could be proposed: no charge of the lender could be compared with an interest posting under this method.</source>
        <translation>Es konnte kein Zinssatz vorgeschlagen werden: Keine Belastung des Darlehensgebers konnte mit einem Zinstermin nach dieser Methode verglichen werden.</translation>
    </message>
</context>
<context>
    <name>RateProposalDialog</name>
    <message>
        <source>&amp;Store</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Methode:</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;Tag:</translation>
    </message>
    <message>
        <source>Day &amp;count:</source>
        <translation>&amp;Zinstagezählung:</translation>
    </message>
    <message>
        <source>&amp;Rounding:</source>
        <translation>&amp;Rundung:</translation>
    </message>
    <message>
        <source>R&amp;est:</source>
        <translation>Ti&amp;lgungsverrechnung:</translation>
    </message>
    <message>
        <source>Com&amp;pounding:</source>
        <translation>&amp;Verzinsung:</translation>
    </message>
    <message>
        <source>Periods a &amp;year:</source>
        <translation>&amp;Perioden pro Jahr:</translation>
    </message>
    <message>
        <source>&amp;Try Every Method</source>
        <translation>&amp;Alle Methoden ausprobieren</translation>
    </message>
    <message>
        <source>For a borrower who knows neither the method nor the conventions: each is tried, and the one whose rates reproduce most charges is proposed.</source>
        <translation>Für Darlehensnehmer, die weder die Methode noch die Konventionen kennen: Jede Möglichkeit wird ausprobiert, und diejenige, deren Zinssätze die meisten Belastungen nachbilden, wird vorgeschlagen.</translation>
    </message>
    <message>
        <source>Proposed rate periods</source>
        <translation>Vorgeschlagene Zinssatzzeiträume</translation>
    </message>
    <message>
        <source>Rate periods stored</source>
        <translation>Gespeicherte Zinssatzzeiträume</translation>
    </message>
    <message>
        <source>Charges that no proposed rate reproduces</source>
        <translation>Belastungen, die kein vorgeschlagener Zinssatz nachbildet</translation>
    </message>
    <message>
        <source>Tried %1 ways of working; the one shown reproduces the most charges with the fewest periods.</source>
        <translation>%1 Berechnungsweisen ausprobiert; die angezeigte bildet die meisten Belastungen mit den wenigsten Zeiträumen nach.</translation>
    </message>
    <message numerus="yes">
        <source>%n stored rate period(s) share days with the ticked ones:
%1

Replace them with the ticked periods?</source>
        <translation>
            <numerusform>Gespeicherte Zinssatzzeiträume (%n) haben Tage mit den markierten gemeinsam:
%1

Sollen sie durch die markierten Zeiträume ersetzt werden?</numerusform>
            <numerusform>Gespeicherte Zinssatzzeiträume (%n) haben Tage mit den markierten gemeinsam:
%1

Sollen sie durch die markierten Zeiträume ersetzt werden?</numerusform>
        </translation>
    </message>
    <message>
        <source>Propose Rate Periods from Charges</source>
        <translation>Zinssatzzeiträume aus Belastungen vorschlagen</translation>
    </message>
    <message>
        <source>Store</source>
        <extracomment>the tick column: whether the proposed period is stored</extracomment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>Postings</source>
        <translation>Zinstermine</translation>
    </message>
    <message>
        <source>Reproduced</source>
        <translation>Nachgebildet</translation>
    </message>
    <message>
        <source>Proposed rate periods (tick those to store):</source>
        <translation>Vorgeschlagene Zinssatzzeiträume (markieren Sie die zu speichernden):</translation>
    </message>
    <message>
        <source>Rate periods stored:</source>
        <translation>Gespeicherte Zinssatzzeiträume:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Charged</source>
        <translation>Belastet</translation>
    </message>
    <message>
        <source>Nearest Rate</source>
        <translation>Nächstliegender Zinssatz</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Charges that no proposed rate reproduces (difference: the charge less the interest due under the proposal):</source>
        <translation>Belastungen, die kein vorgeschlagener Zinssatz nachbildet (Differenz: die Belastung abzüglich der fälligen Zinsen laut Vorschlag):</translation>
    </message>
    <message>
        <source>Try Every Method finds the way of working that reproduces the charges.</source>
        <translation>„Alle Methoden ausprobieren“ findet die Berechnungsweise, die die Belastungen nachbildet.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>a proposed period&apos;s first day, then what changed on it</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Tick the proposed periods to store.</source>
        <translation>Markieren Sie die vorgeschlagenen Zeiträume, die gespeichert werden sollen.</translation>
    </message>
    <message>
        <source>%1 to %2 at %3</source>
        <translation>%1 bis %2 zu %3</translation>
    </message>
    <message>
        <source>The rate periods could not be stored: %1</source>
        <translation>Die Zinssatzzeiträume konnten nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>RateProposalRendering</name>
    <message>
        <source>a change on any of %1 days from %2 to %3 reproduces the charge; the earliest is taken</source>
        <translation>eine Änderung an jedem der %1 Tage vom %2 bis %3 bildet die Belastung nach; der früheste wird genommen</translation>
    </message>
    <message>
        <source>The proposed periods reproduce %1 of %2 charges to the cent.</source>
        <translation>Die vorgeschlagenen Zeiträume bilden %1 von %2 Belastungen auf den Cent genau nach.</translation>
    </message>
    <message>
        <source>%1 posting(s) left out: their period is incomplete, the lender charged nothing on their date or nothing bore interest.</source>
        <translation>%1 Zinstermin(e) ausgelassen: Ihre Periode ist unvollständig, der Darlehensgeber hat an ihrem Datum nichts belastet, oder es wurde nichts verzinst.</translation>
    </message>
    <message>
        <source>%1 charge(s) fall on a date with no posting under this method and were left out.</source>
        <translation>%1 Belastung(en) liegen an einem Datum ohne Zinstermin nach dieser Methode und wurden ausgelassen.</translation>
    </message>
    <message>
        <source>A rate that reproduces the lender&apos;s charges is not proof that the charge was right. Compare the proposed change dates and rates with the lender&apos;s rate notices: a posting that no rate reproduces is where to look.</source>
        <translation>Ein Zinssatz, der die Belastungen des Darlehensgebers nachbildet, ist kein Beweis dafür, dass die Belastung richtig war. Vergleichen Sie die vorgeschlagenen Änderungstermine und Zinssätze mit den Zinsmitteilungen des Darlehensgebers: Wo ein Zinstermin von keinem Zinssatz nachgebildet wird, sollten Sie nachsehen.</translation>
    </message>
</context>
<context>
    <name>RateTerms</name>
    <message>
        <source>No rate is owed from %1 to %2: %3.</source>
        <translation>Vom %1 bis %2 ist kein Zinssatz geschuldet: %3.</translation>
    </message>
    <message>
        <source>The series %1 is known to %2: the owed rates after it take its last rate as still in force.</source>
        <translation>Die Reihe %1 ist bis %2 bekannt: Die geschuldeten Zinssätze danach gehen davon aus, dass ihr letzter Zinssatz weiter gilt.</translation>
    </message>
    <message>
        <source>the fixed terms have no rate</source>
        <translation>die Festzinsvereinbarung hat keinen Zinssatz</translation>
    </message>
    <message>
        <source>fixed</source>
        <translation>fest</translation>
    </message>
    <message>
        <source>the fixed rate ended on %1 and no terms follow</source>
        <translation>der Festzins endete am %1, und es folgt keine Vereinbarung</translation>
    </message>
    <message>
        <source>the series &apos;%1&apos; is not in the account</source>
        <translation>die Reihe &apos;%1&apos; ist nicht im Konto</translation>
    </message>
    <message>
        <source>%1 %2 from %3 + %4</source>
        <translation>%1 %2 ab %3 + %4</translation>
    </message>
    <message>
        <source>the series %1 starts later</source>
        <translation>die Reihe %1 beginnt später</translation>
    </message>
    <message>
        <source>the adjustable terms are incomplete</source>
        <translation>die anpassbare Vereinbarung ist unvollständig</translation>
    </message>
    <message>
        <source>initial rate</source>
        <translation>Anfangszinssatz</translation>
    </message>
    <message>
        <source>the adjustable terms have no initial rate</source>
        <translation>die anpassbare Vereinbarung hat keinen Anfangszinssatz</translation>
    </message>
    <message>
        <source>the series %1 has no rate on %2</source>
        <translation>die Reihe %1 hat am %2 keinen Zinssatz</translation>
    </message>
    <message>
        <source>%1 %2 on %3 + %4</source>
        <translation>%1 %2 am %3 + %4</translation>
    </message>
    <message>
        <source>no rate period is stored for it</source>
        <translation>dafür ist kein Zinssatzzeitraum gespeichert</translation>
    </message>
    <message>
        <source>stored</source>
        <translation>gespeichert</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fest</translation>
    </message>
    <message>
        <source>Tracker</source>
        <translation>Referenzgebunden</translation>
    </message>
    <message>
        <source>Adjustable (index plus margin)</source>
        <translation>Anpassbar (Index plus Aufschlag)</translation>
    </message>
    <message>
        <source>Lender&apos;s variable rate</source>
        <translation>Variabler Zinssatz des Darlehensgebers</translation>
    </message>
    <message>
        <source>Choose the reference series of the tracker terms.</source>
        <translation>Wählen Sie die Referenzreihe der referenzgebundenen Vereinbarung.</translation>
    </message>
    <message>
        <source>Choose the reference series of the adjustable (index plus margin) terms.</source>
        <translation>Wählen Sie die Referenzreihe der anpassbaren Vereinbarung (Index plus Aufschlag).</translation>
    </message>
    <message>
        <source>Choose the reference series of the lender&apos;s variable rate terms.</source>
        <translation>Wählen Sie die Referenzreihe der Vereinbarung zum variablen Zinssatz des Darlehensgebers.</translation>
    </message>
    <message>
        <source>Each terms period needs the date it starts.</source>
        <translation>Jeder Zeitraum der Vereinbarung braucht das Datum, an dem er beginnt.</translation>
    </message>
    <message>
        <source>Fixed terms need their rate.</source>
        <translation>Eine Festzinsvereinbarung braucht ihren Zinssatz.</translation>
    </message>
    <message>
        <source>The fixed rate cannot end before it starts.</source>
        <translation>Der Festzins kann nicht vor seinem Beginn enden.</translation>
    </message>
    <message>
        <source>The series &apos;%1&apos; is not in the account.</source>
        <translation>Die Reihe &apos;%1&apos; ist nicht im Konto.</translation>
    </message>
    <message>
        <source>The lag is 0 to 366 days.</source>
        <translation>Die Verzögerung beträgt 0 bis 366 Tage.</translation>
    </message>
    <message>
        <source>Adjustable terms need a first change date on or after their start.</source>
        <translation>Eine anpassbare Vereinbarung braucht ein Datum der ersten Änderung am Tag ihres Beginns oder danach.</translation>
    </message>
    <message>
        <source>The months between changes are 1 to 120.</source>
        <translation>Zwischen Änderungen liegen 1 bis 120 Monate.</translation>
    </message>
    <message>
        <source>The look-back is 0 to 366 days.</source>
        <translation>Der Rückblick beträgt 0 bis 366 Tage.</translation>
    </message>
    <message>
        <source>The rounding step must be above 0.</source>
        <translation>Der Rundungsschritt muss über 0 liegen.</translation>
    </message>
    <message>
        <source>A cap cannot be below 0.</source>
        <translation>Eine Obergrenze kann nicht unter 0 liegen.</translation>
    </message>
    <message>
        <source>nearest</source>
        <extracomment>a rate rounded to the nearest step</extracomment>
        <translation>kaufmännisch</translation>
    </message>
    <message>
        <source>up</source>
        <extracomment>a rate rounded up to a step</extracomment>
        <translation>aufwärts</translation>
    </message>
    <message>
        <source>down</source>
        <extracomment>a rate rounded down to a step</extracomment>
        <translation>abwärts</translation>
    </message>
</context>
<context>
    <name>RateTermsWindow</name>
    <message>
        <source>Stored rates</source>
        <translation>Gespeicherte Zinssätze</translation>
    </message>
    <message>
        <source>Owed rates</source>
        <translation>Geschuldete Zinssätze</translation>
    </message>
    <message>
        <source>&amp;View Report Under the Terms</source>
        <translation>Be&amp;richt nach der Vereinbarung anzeigen</translation>
    </message>
    <message>
        <source>The report and its summary under the rates the terms owe; the stored rate periods stay as they are.</source>
        <translation>Der Bericht und seine Zusammenfassung mit den laut Vereinbarung geschuldeten Zinssätzen; die gespeicherten Zinssatzzeiträume bleiben unverändert.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Vereinbarung</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Angaben</translation>
    </message>
    <message>
        <source>Rate terms periods</source>
        <translation>Zeiträume der Zinsvereinbarung</translation>
    </message>
    <message>
        <source>Terms &amp;periods:</source>
        <translation>&amp;Zeiträume der Vereinbarung:</translation>
    </message>
    <message>
        <source>&amp;New Period</source>
        <translation>&amp;Neuer Zeitraum</translation>
    </message>
    <message>
        <source>&amp;Save Period</source>
        <translation>Zeitraum s&amp;peichern</translation>
    </message>
    <message>
        <source>&amp;Delete Period</source>
        <translation>Zeitraum &amp;löschen</translation>
    </message>
    <message>
        <source>Terms period</source>
        <translation>Zeitraum der Vereinbarung</translation>
    </message>
    <message>
        <source>&amp;Terms:</source>
        <translation>V&amp;ereinbarung:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>Fixed: the rate. Adjustable: the rate until the first change, which the caps count from.</source>
        <translation>Fest: der Zinssatz. Anpassbar: der Zinssatz bis zur ersten Änderung, von dem aus die Obergrenzen zählen.</translation>
    </message>
    <message>
        <source>&amp;Rate (%):</source>
        <translation>Zinss&amp;atz (%):</translation>
    </message>
    <message>
        <source>The fixed rate&apos;s last day; empty: until the next period.</source>
        <translation>Der letzte Tag des Festzinses; leer: bis zum nächsten Zeitraum.</translation>
    </message>
    <message>
        <source>&amp;Until:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>Reference s&amp;eries:</source>
        <translation>Referenzrei&amp;he:</translation>
    </message>
    <message>
        <source>M&amp;argin (points):</source>
        <translation>Au&amp;fschlag (Punkte):</translation>
    </message>
    <message>
        <source>A change of the reference applies this many days after its date; the lender&apos;s answer is looked for up to %1 days after that.</source>
        <translation>Eine Änderung des Referenzzinssatzes gilt so viele Tage nach ihrem Datum; die Reaktion des Darlehensgebers wird bis zu %1 Tage danach gesucht.</translation>
    </message>
    <message>
        <source>&amp;Lag (days):</source>
        <translation>Verzö&amp;gerung (Tage):</translation>
    </message>
    <message>
        <source>From the first day of the ne&amp;xt month</source>
        <translation>Ab dem ersten Tag des nächsten M&amp;onats</translation>
    </message>
    <message>
        <source>R&amp;ounding:</source>
        <translation>R&amp;undung:</translation>
    </message>
    <message>
        <source>Roundin&amp;g step (points):</source>
        <translation>Rundungss&amp;chritt (Punkte):</translation>
    </message>
    <message>
        <source>First c&amp;hange:</source>
        <translation>Ers&amp;te Änderung:</translation>
    </message>
    <message>
        <source>Months &amp;between changes:</source>
        <translation>Monate z&amp;wischen Änderungen:</translation>
    </message>
    <message>
        <source>The index in force this many days before the change date.</source>
        <translation>Der Index, der so viele Tage vor dem Änderungsdatum gilt.</translation>
    </message>
    <message>
        <source>Look-bac&amp;k (days):</source>
        <translation>Rüc&amp;kblick (Tage):</translation>
    </message>
    <message>
        <source>First change cap (points):</source>
        <translation>Obergrenze der ersten Änderung (Punkte):</translation>
    </message>
    <message>
        <source>Each change cap (points):</source>
        <translation>Obergrenze je Änderung (Punkte):</translation>
    </message>
    <message>
        <source>Life cap (points above the first rate):</source>
        <translation>Obergrenze über die Laufzeit (Punkte über dem ersten Zinssatz):</translation>
    </message>
    <message>
        <source>Floor (%):</source>
        <translation>Untergrenze (%):</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Reihe</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Herausgeber</translation>
    </message>
    <message>
        <source>Known to</source>
        <translation>Bekannt bis</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>The account&apos;s reference series</source>
        <translation>Die Referenzreihen des Kontos</translation>
    </message>
    <message>
        <source>Series kept in the account:</source>
        <translation>Im Konto gespeicherte Reihen:</translation>
    </message>
    <message>
        <source>Add Series from F&amp;ile...</source>
        <translation>Reihe aus &amp;Datei hinzufügen...</translation>
    </message>
    <message>
        <source>A CSV file of dates and rates: your lender&apos;s published rate, an index&apos;s values, or a newer copy of a shipped series.</source>
        <translation>Eine CSV-Datei mit Datumsangaben und Zinssätzen: der veröffentlichte Zinssatz Ihres Darlehensgebers, die Werte eines Index oder eine neuere Fassung einer mitgelieferten Reihe.</translation>
    </message>
    <message>
        <source>Dates and rates, one a line</source>
        <translation>Datum und Zinssatz, ein Paar pro Zeile</translation>
    </message>
    <message>
        <source>One date and rate a line, for example:
1/7/2023 7.24
1/12/2023 7.49</source>
        <translation>Ein Datum und ein Zinssatz pro Zeile, zum Beispiel:
1/7/2023 7.24
1/12/2023 7.49</translation>
    </message>
    <message>
        <source>Dates and rates, one a line:</source>
        <translation>Datum und Zinssatz, ein Paar pro Zeile:</translation>
    </message>
    <message>
        <source>Add T&amp;yped Series</source>
        <translation>Eingegebene Re&amp;ihe hinzufügen</translation>
    </message>
    <message>
        <source>Name of a typed series:</source>
        <translation>Name einer eingegebenen Reihe:</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Owed</source>
        <translation>Geschuldet</translation>
    </message>
    <message>
        <source>Stored</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>How</source>
        <translation>Wie</translation>
    </message>
    <message>
        <source>Rates owed under the terms</source>
        <translation>Laut Vereinbarung geschuldete Zinssätze</translation>
    </message>
    <message>
        <source>Owed Rates</source>
        <translation>Geschuldete Zinssätze</translation>
    </message>
    <message>
        <source>&amp;Method of the costs:</source>
        <translation>&amp;Methode der Kosten:</translation>
    </message>
    <message>
        <source>Changes of the reference passed on</source>
        <translation>Weitergegebene Änderungen des Referenzzinssatzes</translation>
    </message>
    <message>
        <source>Passed On</source>
        <translation>Weitergegeben</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Each terms period needs the date it starts.</source>
        <translation>Jeder Zeitraum der Vereinbarung braucht das Datum, an dem er beginnt.</translation>
    </message>
    <message>
        <source>A terms period already starts on %1.</source>
        <translation>Ein Zeitraum der Vereinbarung beginnt bereits am %1.</translation>
    </message>
    <message>
        <source>Delete the terms period from %1 (%2)? It goes from the account at once.</source>
        <translation>Möchten Sie den Zeitraum der Vereinbarung ab %1 (%2) löschen? Er wird sofort aus dem Konto entfernt.</translation>
    </message>
    <message>
        <source>The account already holds a series &apos;%1&apos;. Replace it with this one?</source>
        <translation>Das Konto enthält bereits eine Reihe &apos;%1&apos;. Möchten Sie sie durch diese ersetzen?</translation>
    </message>
    <message>
        <source>Add Series from File</source>
        <translation>Reihe aus Datei hinzufügen</translation>
    </message>
    <message>
        <source>Dates and rates|*.csv *.txt</source>
        <translation>Datumsangaben und Zinssätze|*.csv *.txt</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read.</source>
        <translation>&apos;%1&apos; kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Give the typed series a name.</source>
        <translation>Geben Sie der eingegebenen Reihe einen Namen.</translation>
    </message>
    <message>
        <source>The account&apos;s history cannot be read: nothing is owed here.</source>
        <translation>Der Verlauf des Kontos kann nicht gelesen werden: Hier wird nichts als geschuldet angezeigt.</translation>
    </message>
    <message>
        <source>Enter the loan&apos;s rate terms, period by period, from its first day.</source>
        <translation>Geben Sie die Zinsvereinbarung des Darlehens Zeitraum für Zeitraum ein, ab seinem ersten Tag.</translation>
    </message>
    <message>
        <source>The terms do not owe a rate on every day of the history yet: see the Owed Rates tab.</source>
        <translation>Die Vereinbarung schuldet noch nicht für jeden Tag des Verlaufs einen Zinssatz: Siehe Registerkarte „Geschuldete Zinssätze“.</translation>
    </message>
    <message>
        <source>Add a period of the lender&apos;s variable rate against a reference series to see whether its changes were passed on.</source>
        <translation>Fügen Sie einen Zeitraum des variablen Zinssatzes des Darlehensgebers mit einer Referenzreihe hinzu, um zu sehen, ob deren Änderungen weitergegeben wurden.</translation>
    </message>
    <message>
        <source>The account has no committed statement to report on yet.</source>
        <translation>Das Konto hat noch keinen festgeschriebenen Auszug, über den berichtet werden kann.</translation>
    </message>
    <message>
        <source>The terms period typed is not saved. Close without saving it?</source>
        <translation>Der eingegebene Zeitraum der Vereinbarung ist nicht gespeichert. Möchten Sie schließen, ohne ihn zu speichern?</translation>
    </message>
    <message>
        <source>The rate terms could not be stored: %1</source>
        <translation>Die Zinsvereinbarung konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The series could not be read: %1</source>
        <translation>Die Reihe konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Stored, owed and reference rates</source>
        <translation>Gespeicherte, geschuldete und Referenzzinssätze</translation>
    </message>
    <message>
        <source>What your loan contract says the rate is: a fixed rate, a tracker of a reference rate, an adjustable rate (an index plus a margin on set dates) or the lender&apos;s own variable rate. From these terms and the published reference rates the program works out the rates owed, and whether the lender passed on each change of its reference. Each period is stored when you save it; the stored rate periods are never changed here.</source>
        <translation>Was Ihr Darlehensvertrag zum Zinssatz sagt: ein fester Zinssatz, ein an einen Referenzzinssatz gebundener Zinssatz, ein anpassbarer Zinssatz (ein Index plus ein Aufschlag zu festgelegten Terminen) oder der eigene variable Zinssatz des Darlehensgebers. Aus dieser Vereinbarung und den veröffentlichten Referenzzinssätzen ermittelt das Programm die geschuldeten Zinssätze und ob der Darlehensgeber jede Änderung seines Referenzzinssatzes weitergegeben hat. Jeder Zeitraum wird gespeichert, wenn Sie ihn speichern; die gespeicherten Zinssatzzeiträume werden hier nie geändert.</translation>
    </message>
    <message>
        <source>Rate Terms</source>
        <translation>Zinsvereinbarung</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>rounding of the rate: none</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Up</source>
        <extracomment>rounding of the rate up to the step</extracomment>
        <translation>Aufrunden</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>rounding of the rate down to the step</extracomment>
        <translation>Abrunden</translation>
    </message>
    <message>
        <source>To the nearest</source>
        <translation>Kaufmännisch</translation>
    </message>
    <message>
        <source>The start &apos;%1&apos; is not a date.</source>
        <translation>Der Beginn &apos;%1&apos; ist kein Datum.</translation>
    </message>
    <message>
        <source>The rate &apos;%1&apos; is not a rate such as 4.35.</source>
        <translation>Der Zinssatz &apos;%1&apos; ist kein Zinssatz wie 4.35.</translation>
    </message>
    <message>
        <source>The end &apos;%1&apos; is not a date.</source>
        <translation>Das Ende &apos;%1&apos; ist kein Datum.</translation>
    </message>
    <message>
        <source>The margin &apos;%1&apos; is not a rate such as 4.35.</source>
        <translation>Der Aufschlag &apos;%1&apos; ist kein Zinssatz wie 4.35.</translation>
    </message>
    <message>
        <source>The first change &apos;%1&apos; is not a date.</source>
        <translation>Die erste Änderung &apos;%1&apos; ist kein Datum.</translation>
    </message>
    <message>
        <source>The first change cap &apos;%1&apos; is not a rate such as 4.35.</source>
        <translation>Die Obergrenze der ersten Änderung &apos;%1&apos; ist kein Zinssatz wie 4.35.</translation>
    </message>
    <message>
        <source>The each change cap &apos;%1&apos; is not a rate such as 4.35.</source>
        <translation>Die Obergrenze je Änderung &apos;%1&apos; ist kein Zinssatz wie 4.35.</translation>
    </message>
    <message>
        <source>The life cap &apos;%1&apos; is not a rate such as 4.35.</source>
        <translation>Die Obergrenze über die Laufzeit &apos;%1&apos; ist kein Zinssatz wie 4.35.</translation>
    </message>
    <message>
        <source>The floor &apos;%1&apos; is not a rate such as 4.35.</source>
        <translation>Die Untergrenze &apos;%1&apos; ist kein Zinssatz wie 4.35.</translation>
    </message>
    <message>
        <source>Under the terms: %1</source>
        <translation>Laut Vereinbarung: %1</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <extracomment>a reference series&apos; name, its changes&apos; total, the days the lender had to answer</extracomment>
        <translation>%1: %2 %3</translation>
    </message>
</context>
<context>
    <name>RecordForm</name>
    <message>
        <source>&amp;Add</source>
        <translation>Hinzu&amp;fügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Übe&amp;rnehmen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;ktualisieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>First record</source>
        <translation>Erster Datensatz</translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation>Vorheriger Datensatz</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Nächster Datensatz</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Letzter Datensatz</translation>
    </message>
    <message>
        <source>The row not saved: %1</source>
        <translation>Die Zeile wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Add Error: </source>
        <translation>Fehler beim Hinzufügen: </translation>
    </message>
    <message>
        <source>Edit Error: </source>
        <translation>Fehler beim Bearbeiten: </translation>
    </message>
    <message>
        <source>Update Error: </source>
        <translation>Fehler beim Übernehmen: </translation>
    </message>
    <message>
        <source>Refresh Error: </source>
        <translation>Fehler beim Aktualisieren: </translation>
    </message>
    <message>
        <source>Move First Error: </source>
        <translation>Fehler beim Wechsel zum ersten Datensatz: </translation>
    </message>
    <message>
        <source>Move Last Error: </source>
        <translation>Fehler beim Wechsel zum letzten Datensatz: </translation>
    </message>
    <message>
        <source>Move Next Error: </source>
        <translation>Fehler beim Wechsel zum nächsten Datensatz: </translation>
    </message>
    <message>
        <source>Move Previous Error: </source>
        <translation>Fehler beim Wechsel zum vorherigen Datensatz: </translation>
    </message>
    <message>
        <source>Record: %1</source>
        <extracomment>The status bar&apos;s place in the rows; %1 is the row&apos;s number, empty without a row</extracomment>
        <translation>Datensatz: %1</translation>
    </message>
    <message>
        <source>Add record</source>
        <translation>Datensatz hinzufügen</translation>
    </message>
    <message>
        <source>Edit record</source>
        <translation>Datensatz bearbeiten</translation>
    </message>
</context>
<context>
    <name>RecordSet</name>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>Der Vorgang ist für ein geschlossenes Objekt nicht zulässig.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted.</source>
        <translation>Entweder BOF oder EOF ist True, oder der aktuelle Datensatz wurde gelöscht.</translation>
    </message>
    <message>
        <source>Position %1 is out of range.</source>
        <translation>Position %1 liegt außerhalb des zulässigen Bereichs.</translation>
    </message>
    <message>
        <source>The bookmark is not valid.</source>
        <translation>Das Lesezeichen ist ungültig.</translation>
    </message>
    <message>
        <source>Item cannot be found in the collection.</source>
        <translation>Das Element wurde in der Auflistung nicht gefunden.</translation>
    </message>
    <message>
        <source>The field &apos;%1&apos; cannot be changed.</source>
        <translation>Das Feld &apos;%1&apos; kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>Type mismatch: &apos;%1&apos; is not a valid value for %2. Please enter it as %3.</source>
        <translation>Typenkonflikt: &apos;%1&apos; ist kein gültiger Wert für %2. Bitte geben Sie ihn im Format %3 ein.</translation>
    </message>
    <message>
        <source>Type mismatch: &apos;%1&apos; is not a valid value for %2.</source>
        <translation>Typenkonflikt: &apos;%1&apos; ist kein gültiger Wert für %2.</translation>
    </message>
    <message>
        <source>This row cannot be saved without a %1. Type its %1, then save it again.</source>
        <translation>Diese Zeile kann ohne Angabe für %1 nicht gespeichert werden. Geben Sie einen Wert für %1 ein und speichern Sie sie dann erneut.</translation>
    </message>
    <message>
        <source>The rows of this query cannot be changed.</source>
        <translation>Die Zeilen dieser Abfrage können nicht geändert werden.</translation>
    </message>
</context>
<context>
    <name>RecordSetModel</name>
    <message>
        <source>Dates as %1</source>
        <translation>Datumsangaben im Format %1</translation>
    </message>
</context>
<context>
    <name>ReferenceRendering</name>
    <message>
        <source>no rate</source>
        <translation>kein Zinssatz</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>, from the first of the next month</source>
        <translation>, ab dem Ersten des Folgemonats</translation>
    </message>
    <message>
        <source>, %1 days after each change</source>
        <translation>, %1 Tage nach jeder Änderung</translation>
    </message>
    <message>
        <source>stored rate periods against %1</source>
        <translation>gespeicherte Zinssatzzeiträume im Vergleich zu %1</translation>
    </message>
    <message>
        <source>, %1 days allowed</source>
        <translation>, %1 Tage Frist</translation>
    </message>
    <message>
        <source> rounded %1 to %2</source>
        <translation> %1 auf %2 gerundet</translation>
    </message>
    <message>
        <source>first %1 until %2, then every %3 months</source>
        <translation>zuerst %1 bis %2, dann alle %3 Monate</translation>
    </message>
    <message>
        <source>index %1 days before</source>
        <translation>Index %1 Tage vorher</translation>
    </message>
    <message>
        <source>caps %1/%2/%3</source>
        <translation>Obergrenzen %1/%2/%3</translation>
    </message>
    <message>
        <source>floor %1</source>
        <translation>Untergrenze %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Reference</source>
        <extracomment>The reference rate&apos;s change date</extracomment>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>Lender</source>
        <extracomment>The lender&apos;s answering change date</extracomment>
        <translation>Darlehensgeber</translation>
    </message>
    <message>
        <source>Its change</source>
        <translation>Seine Änderung</translation>
    </message>
    <message>
        <source>Its rate</source>
        <translation>Sein Zinssatz</translation>
    </message>
    <message>
        <source>Days late</source>
        <translation>Tage verspätet</translation>
    </message>
    <message>
        <source>Not passed on</source>
        <translation>Nicht weitergegeben</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>never</source>
        <extracomment>The lender never answered the change</extracomment>
        <translation>nie</translation>
    </message>
    <message>
        <source>The costs of the changes of the reference are not worked out.</source>
        <translation>Die Kosten der Änderungen des Referenzzinssatzes werden nicht berechnet.</translation>
    </message>
    <message>
        <source>The changes of the reference not passed on in full cost nothing in interest over the history.</source>
        <translation>Die nicht vollständig weitergegebenen Änderungen des Referenzzinssatzes haben über den Verlauf nichts an Zinsen gekostet.</translation>
    </message>
    <message>
        <source>The changes of the reference not passed on in full cost %1 in interest over the history.</source>
        <translation>Die nicht vollständig weitergegebenen Änderungen des Referenzzinssatzes haben über den Verlauf %1 an Zinsen gekostet.</translation>
    </message>
    <message>
        <source>The changes of the reference not passed on in full saved %1 in interest over the history.</source>
        <translation>Die nicht vollständig weitergegebenen Änderungen des Referenzzinssatzes haben über den Verlauf %1 an Zinsen eingespart.</translation>
    </message>
    <message>
        <source>The lender&apos;s answer to a change is looked for from the change&apos;s date to %1 days after it.</source>
        <translation>Die Reaktion des Darlehensgebers auf eine Änderung wird vom Datum der Änderung bis %1 Tage danach gesucht.</translation>
    </message>
    <message>
        <source>The lender&apos;s answer to a change is looked for from the change&apos;s date to %1 days after its date plus the lag of %2 days.</source>
        <translation>Die Reaktion des Darlehensgebers auf eine Änderung wird vom Datum der Änderung bis %1 Tage nach ihrem Datum zuzüglich der Verzögerung von %2 Tagen gesucht.</translation>
    </message>
    <message>
        <source>Changes of %1 (%2) passed on</source>
        <translation>Weitergegebene Änderungen von %1 (%2)</translation>
    </message>
    <message>
        <source>The series did not change within the history.</source>
        <translation>Die Reihe hat sich innerhalb des Verlaufs nicht geändert.</translation>
    </message>
    <message>
        <source>Cost: the interest due under the stored rates less that with the change passed on in full from its date.</source>
        <translation>Kosten: die fälligen Zinsen nach den gespeicherten Zinssätzen abzüglich derer bei vollständiger Weitergabe der Änderung ab ihrem Datum.</translation>
    </message>
</context>
<context>
    <name>ReferenceSeries</name>
    <message>
        <source>line %1 is not a date and a rate: &apos;%2&apos;</source>
        <translation>Zeile %1 ist kein Datum mit Zinssatz: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the date %1 is given twice</source>
        <translation>das Datum %1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>it holds no dates and rates</source>
        <translation>sie enthält keine Datumsangaben und Zinssätze</translation>
    </message>
    <message>
        <source>no reference series &apos;%1&apos; is shipped</source>
        <translation>es wird keine Referenzreihe &apos;%1&apos; mitgeliefert</translation>
    </message>
    <message>
        <source>the series file &apos;%1&apos; does not read: %2</source>
        <translation>die Reihendatei &apos;%1&apos; ist nicht lesbar: %2</translation>
    </message>
</context>
<context>
    <name>RepaymentCheck</name>
    <message>
        <source>The history holds no deposit to take as a repayment.</source>
        <translation>Der Verlauf enthält keine Einzahlung, die als Rate gewertet werden kann.</translation>
    </message>
</context>
<context>
    <name>RepaymentRendering</name>
    <message>
        <source>From the first repayment</source>
        <translation>Ab der ersten Rate</translation>
    </message>
    <message>
        <source>After the rate change of %1</source>
        <translation>Nach der Zinsänderung vom %1</translation>
    </message>
    <message>
        <source>After the interest-only period ended on %1</source>
        <translation>Nach dem Ende der tilgungsfreien Zeit am %1</translation>
    </message>
    <message>
        <source>Repayment of %1 kept after the rate change of %2</source>
        <translation>Rate von %1 nach der Zinsänderung vom %2 beibehalten</translation>
    </message>
    <message>
        <source>Repayment worked out over %1 repayments where %2 remain</source>
        <translation>Rate auf %1 Raten verteilt, obwohl noch %2 ausstehen</translation>
    </message>
    <message>
        <source>Repayment of %1 taken where %2 is required</source>
        <translation>Rate von %1 eingezogen, obwohl %2 geschuldet ist</translation>
    </message>
    <message>
        <source>Interest only kept past the period&apos;s end on %1</source>
        <translation>Tilgungsfreie Zeit über ihr Ende am %1 hinaus fortgeführt</translation>
    </message>
    <message>
        <source>%1 the lender kept the repayment of %2 where %3 is required</source>
        <translation>%1 behielt der Darlehensgeber die Rate von %2 bei, obwohl %3 geschuldet ist</translation>
    </message>
    <message>
        <source>%1 the lender worked the repayment of %2 out over %3 repayments where %4 remain, and %5 is required</source>
        <translation>%1 verteilte der Darlehensgeber die Rate von %2 auf %3 Raten, obwohl noch %4 ausstehen, und geschuldet ist %5</translation>
    </message>
    <message>
        <source>%1 the lender took %2 where %3 is required</source>
        <translation>%1 zog der Darlehensgeber %2 ein, obwohl %3 geschuldet ist</translation>
    </message>
    <message>
        <source>%1 the lender kept taking interest only (%2) where %3 is required</source>
        <translation>%1 zog der Darlehensgeber weiterhin nur die Zinsen ein (%2), obwohl %3 geschuldet ist</translation>
    </message>
    <message>
        <source>: %1 short each repayment (%2 repayments)</source>
        <translation>: %1 zu wenig je Rate (%2 Raten)</translation>
    </message>
    <message>
        <source>, leaving %1 owed at the term&apos;s end on %2</source>
        <translation>, wodurch am Ende der Laufzeit am %2 noch %1 geschuldet bleiben</translation>
    </message>
    <message>
        <source>The loan is underfunded: since %1 each repayment taken is %2 short of the one its terms require</source>
        <translation>Die Raten reichen zur Tilgung nicht aus: Seit %1 liegt jede gezahlte Rate um %2 unter der, die die Vereinbarung fordert</translation>
    </message>
    <message>
        <source>, which would leave %1 owed at the term&apos;s end</source>
        <translation>, wodurch am Ende der Laufzeit noch %1 geschuldet blieben</translation>
    </message>
    <message>
        <source>The repayment you set is too low to repay the mortgage by the end of its term: the mortgage is underfunded. I ask you to recalculate the repayment over the remaining term, to tell me the shortfall it has left, and to put it right without cost to me.</source>
        <translation>The repayment you set is too low to repay the mortgage by the end of its term: the mortgage is underfunded. I ask you to recalculate the repayment over the remaining term, to tell me the shortfall it has left, and to put it right without cost to me.</translation>
    </message>
    <message>
        <source>The lender stated a repayment of %1 at the start; the terms require %2.</source>
        <translation>Der Darlehensgeber nannte zu Beginn eine Rate von %1; die Vereinbarung fordert %2.</translation>
    </message>
    <message>
        <source>Every repayment taken is at least the one the terms require.</source>
        <translation>Jede gezahlte Rate ist mindestens so hoch wie die von der Vereinbarung geforderte.</translation>
    </message>
    <message>
        <source>At the repayment of %1 the loan is not paid off within 60 years of the term&apos;s end.</source>
        <translation>Bei einer Rate von %1 ist das Darlehen auch 60 Jahre nach dem Ende der Laufzeit nicht getilgt.</translation>
    </message>
    <message>
        <source>At the repayment of %1 the loan is paid off on %2, %3 months before the term ends on %4.</source>
        <translation>Bei einer Rate von %1 ist das Darlehen am %2 getilgt, %3 Monate vor dem Ende der Laufzeit am %4.</translation>
    </message>
    <message>
        <source>At the repayment of %1 the loan is paid off on %2, %3 months after the term ends on %4.</source>
        <translation>Bei einer Rate von %1 ist das Darlehen am %2 getilgt, %3 Monate nach dem Ende der Laufzeit am %4.</translation>
    </message>
    <message>
        <source>Owed at the term&apos;s end: %1.</source>
        <translation>Am Ende der Laufzeit geschuldet: %1.</translation>
    </message>
    <message>
        <source>With %1 more each repayment it is paid off on %2, saving %3 of interest.</source>
        <translation>Mit %1 mehr je Rate ist es am %2 getilgt, und Sie sparen %3 Zinsen.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Remaining</source>
        <extracomment>Repayments remaining</extracomment>
        <translation>Verbleibend</translation>
    </message>
    <message>
        <source>Required</source>
        <extracomment>The repayment required</extracomment>
        <translation>Geschuldet</translation>
    </message>
    <message>
        <source>Taken</source>
        <extracomment>The repayment taken</extracomment>
        <translation>Gezahlt</translation>
    </message>
    <message>
        <source>Shortfall</source>
        <translation>Fehlbetrag</translation>
    </message>
</context>
<context>
    <name>RepaymentTermsWindow</name>
    <message>
        <source>Balance as it went</source>
        <translation>Tatsächlicher Saldo</translation>
    </message>
    <message>
        <source>Balance the terms require</source>
        <translation>Saldo laut Vereinbarung</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Hochrechnung</translation>
    </message>
    <message>
        <source>Projection with extra</source>
        <translation>Hochrechnung mit Zusatzbetrag</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Vereinbarung</translation>
    </message>
    <message>
        <source>Repayments</source>
        <translation>Raten</translation>
    </message>
    <message>
        <source>Deposits</source>
        <translation>Einzahlungen</translation>
    </message>
    <message>
        <source>Payoff</source>
        <translation>Tilgungsende</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>Clear T&amp;erms</source>
        <translation>&amp;Vereinbarung löschen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;First repayment:</source>
        <translation>E&amp;rste Rate:</translation>
    </message>
    <message>
        <source>&amp;Term:</source>
        <translation>&amp;Laufzeit:</translation>
    </message>
    <message>
        <source>Last repa&amp;yment:</source>
        <translation>Let&amp;zte Rate:</translation>
    </message>
    <message>
        <source>&amp;Number of repayments:</source>
        <translation>Anzahl &amp;der Raten:</translation>
    </message>
    <message>
        <source>Per cent a year of the amount lent, repaid beside the interest until the rate changes.</source>
        <translation>Prozent pro Jahr des Darlehensbetrags, der neben den Zinsen getilgt wird, bis sich der Zinssatz ändert.</translation>
    </message>
    <message>
        <source>&amp;Initial repayment rate (%):</source>
        <translation>&amp;Anfänglicher Tilgungssatz (%):</translation>
    </message>
    <message>
        <source>Fre&amp;quency:</source>
        <translation>Zahlungs&amp;weise:</translation>
    </message>
    <message>
        <source>The repayment the lender stated at the start; empty: the one the formula gives.</source>
        <translation>Die Rate, die der Darlehensgeber zu Beginn genannt hat; leer: die Rate, die sich aus der Formel ergibt.</translation>
    </message>
    <message>
        <source>Repayment stated by the &amp;lender:</source>
        <translation>Vom Darlehens&amp;geber genannte Rate:</translation>
    </message>
    <message>
        <source>R&amp;ounding:</source>
        <translation>R&amp;undung:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Interest only &amp;periods:</source>
        <translation>&amp;Tilgungsfreie Zeiten:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hinzu&amp;fügen</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Entfer&amp;nen</translation>
    </message>
    <message>
        <source>Repayments required and taken</source>
        <translation>Geschuldete und gezahlte Raten</translation>
    </message>
    <message>
        <source>Repayments &amp;required and taken:</source>
        <translation>Ges&amp;chuldete und gezahlte Raten:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Repayment</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Deposits taken as repayments</source>
        <translation>Als Raten gewertete Einzahlungen</translation>
    </message>
    <message>
        <source>&amp;Deposits taken as repayments:</source>
        <translation>Als Raten gewertete &amp;Einzahlungen:</translation>
    </message>
    <message>
        <source>Untick a deposit that is no repayment (a lump sum paid in, a refund): the check then takes none for it. A tick is stored in the account at once.</source>
        <translation>Entfernen Sie das Häkchen bei einer Einzahlung, die keine Rate ist (eine eingezahlte Sondertilgung, eine Erstattung): Die Prüfung wertet dann keine Rate dafür. Ein Häkchen wird sofort im Konto gespeichert.</translation>
    </message>
    <message>
        <source>E&amp;xtra each repayment:</source>
        <translation>Zusätzlich &amp;je Rate:</translation>
    </message>
    <message>
        <source>Pro&amp;ject</source>
        <translation>&amp;Hochrechnen</translation>
    </message>
    <message>
        <source>When the loan is paid off with this much more each repayment, and the interest it saves.</source>
        <translation>Wann das Darlehen mit so viel mehr je Rate getilgt ist und wie viel Zinsen das spart.</translation>
    </message>
    <message>
        <source>Balance owed</source>
        <translation>Restschuld</translation>
    </message>
    <message>
        <source>The number of repayments &apos;%1&apos; is not a whole number.</source>
        <translation>Die Anzahl der Raten &apos;%1&apos; ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>The initial repayment rate &apos;%1&apos; is not a rate such as 2.5.</source>
        <translation>Der anfängliche Tilgungssatz &apos;%1&apos; ist kein Satz wie 2.5.</translation>
    </message>
    <message>
        <source>The repayment stated by the lender &apos;%1&apos; is not an amount.</source>
        <translation>Die vom Darlehensgeber genannte Rate &apos;%1&apos; ist kein Betrag.</translation>
    </message>
    <message>
        <source>The interest-only period in row %1 needs the day it starts and the day it ends.</source>
        <translation>Die tilgungsfreie Zeit in Zeile %1 braucht den Tag ihres Beginns und den Tag ihres Endes.</translation>
    </message>
    <message>
        <source>The interest-only period in row %1: &apos;%2&apos; is not a date.</source>
        <translation>Die tilgungsfreie Zeit in Zeile %1: &apos;%2&apos; ist kein Datum.</translation>
    </message>
    <message>
        <source>Clear the repayment terms from the account? The repayments are then not checked.</source>
        <translation>Möchten Sie die Rückzahlungsvereinbarung aus dem Konto löschen? Die Raten werden dann nicht geprüft.</translation>
    </message>
    <message>
        <source>The account&apos;s history cannot be read: the repayments are not checked.</source>
        <translation>Der Verlauf des Kontos kann nicht gelesen werden: Die Raten werden nicht geprüft.</translation>
    </message>
    <message>
        <source>No repayment of the terms falls within the history.</source>
        <translation>Keine Rate der Vereinbarung fällt in den Verlauf.</translation>
    </message>
    <message>
        <source>Taken as a repayment of the terms.</source>
        <translation>Als Rate der Vereinbarung gewertet.</translation>
    </message>
    <message>
        <source>Not taken: no repayment falls due near it.</source>
        <translation>Nicht gewertet: In ihrer Nähe ist keine Rate fällig.</translation>
    </message>
    <message>
        <source>The extra each repayment &apos;%1&apos; is not an amount of zero or more.</source>
        <translation>Der Zusatzbetrag je Rate &apos;%1&apos; ist kein Betrag von null oder mehr.</translation>
    </message>
    <message>
        <source>The repayment terms typed are not saved. Close without saving them?</source>
        <translation>Die eingegebene Rückzahlungsvereinbarung ist nicht gespeichert. Möchten Sie schließen, ohne sie zu speichern?</translation>
    </message>
    <message>
        <source>Repayment Terms</source>
        <translation>Rückzahlungsvereinbarung</translation>
    </message>
    <message>
        <source>Last repayment</source>
        <translation>Letzte Rate</translation>
    </message>
    <message>
        <source>Number of repayments</source>
        <translation>Anzahl der Raten</translation>
    </message>
    <message>
        <source>Initial repayment rate</source>
        <translation>Anfänglicher Tilgungssatz</translation>
    </message>
    <message>
        <source>Give the first repayment&apos;s date.</source>
        <translation>Geben Sie das Datum der ersten Rate an.</translation>
    </message>
    <message>
        <source>The first repayment &apos;%1&apos; is not a date.</source>
        <translation>Die erste Rate &apos;%1&apos; ist kein Datum.</translation>
    </message>
    <message>
        <source>Give the last repayment&apos;s date.</source>
        <translation>Geben Sie das Datum der letzten Rate an.</translation>
    </message>
    <message>
        <source>The last repayment &apos;%1&apos; is not a date.</source>
        <translation>Die letzte Rate &apos;%1&apos; ist kein Datum.</translation>
    </message>
    <message>
        <source>Give the number of repayments.</source>
        <translation>Geben Sie die Anzahl der Raten an.</translation>
    </message>
    <message>
        <source>Give the initial repayment rate.</source>
        <translation>Geben Sie den anfänglichen Tilgungssatz an.</translation>
    </message>
    <message>
        <source>The repayment terms could not be stored: %1</source>
        <translation>Die Rückzahlungsvereinbarung konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>No repayment terms are kept for this account.</source>
        <translation>Für dieses Konto ist keine Rückzahlungsvereinbarung gespeichert.</translation>
    </message>
    <message>
        <source>Every repayment taken is at least the one the terms require.</source>
        <translation>Jede gezahlte Rate ist mindestens so hoch wie die von der Vereinbarung geforderte.</translation>
    </message>
</context>
<context>
    <name>Repayments</name>
    <message>
        <source>The first repayment&apos;s date is not a date the program can work with.</source>
        <translation>Das Datum der ersten Rate ist kein Datum, mit dem das Programm arbeiten kann.</translation>
    </message>
    <message>
        <source>The last repayment must fall on or after the first.</source>
        <translation>Die letzte Rate muss am Tag der ersten oder danach fällig sein.</translation>
    </message>
    <message>
        <source>A term runs to %1 repayments at most.</source>
        <translation>Eine Laufzeit umfasst höchstens %1 Raten.</translation>
    </message>
    <message>
        <source>The number of repayments must be from 1 to %1.</source>
        <translation>Die Anzahl der Raten muss zwischen 1 und %1 liegen.</translation>
    </message>
    <message>
        <source>The initial repayment rate must be above 0 and at most 100 per cent.</source>
        <translation>Der anfängliche Tilgungssatz muss über 0 und höchstens 100 Prozent betragen.</translation>
    </message>
    <message>
        <source>An interest-only period must end on or after the day it starts.</source>
        <translation>Eine tilgungsfreie Zeit muss am Tag ihres Beginns oder danach enden.</translation>
    </message>
    <message>
        <source>Two interest-only periods overlap.</source>
        <translation>Zwei tilgungsfreie Zeiten überschneiden sich.</translation>
    </message>
    <message>
        <source>The repayment the lender stated must be above zero.</source>
        <translation>Die vom Darlehensgeber genannte Rate muss über null liegen.</translation>
    </message>
    <message>
        <source>The repayment required is the level repayment that repays the balance over the repayments left: balance × i ÷ (1 − (1 + i)^−n), where i is the rate a year ÷ the repayments a year (under half-yearly compounding, (1 + rate ÷ 2)^(2 ÷ repayments a year) − 1) and n the repayments dated after the day. It is worked out at the first repayment, after each change of the rate, and when a period of interest only ends, on the balance after that day&apos;s rows, and rounded as the lender rounds. While interest only, it is the period&apos;s interest due. Under an initial repayment rate it is (rate + initial repayment rate) × the amount ÷ the repayments a year, until the rate changes.</source>
        <translation>Die geschuldete Rate ist die gleichbleibende Rate, die den Saldo über die verbleibenden Raten tilgt: Saldo × i ÷ (1 − (1 + i)^−n), wobei i der Jahreszinssatz ÷ die Raten pro Jahr ist (bei halbjährlicher Verzinsung (1 + Zinssatz ÷ 2)^(2 ÷ Raten pro Jahr) − 1) und n die Anzahl der Raten, die nach dem Tag datiert sind. Sie wird bei der ersten Rate, nach jeder Änderung des Zinssatzes und am Ende einer tilgungsfreien Zeit berechnet, auf Grundlage des Saldos nach den Zeilen dieses Tages, und so gerundet, wie der Darlehensgeber rundet. Während einer tilgungsfreien Zeit entspricht sie den fälligen Zinsen der Periode. Bei einem anfänglichen Tilgungssatz beträgt sie (Zinssatz + anfänglicher Tilgungssatz) × den Betrag ÷ die Raten pro Jahr, bis sich der Zinssatz ändert.</translation>
    </message>
    <message>
        <source>The repayment terms kept in the account cannot be read; the account is checked without them.</source>
        <translation>Die im Konto gespeicherte Rückzahlungsvereinbarung kann nicht gelesen werden; das Konto wird ohne sie geprüft.</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Fortnightly</source>
        <translation>Vierzehntäglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>To the nearest cent</source>
        <translation>Auf den nächsten Cent gerundet</translation>
    </message>
    <message>
        <source>Up to the cent</source>
        <translation>Auf den Cent aufgerundet</translation>
    </message>
    <message>
        <source>Up to the dollar</source>
        <translation>Auf den vollen Euro aufgerundet</translation>
    </message>
</context>
<context>
    <name>ReportLine</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Govt Chge</source>
        <translation>Staatl. Abg.</translation>
    </message>
    <message>
        <source>Bank Chge</source>
        <translation>Bankgeb.</translation>
    </message>
    <message>
        <source>W&apos;drawal</source>
        <translation>Auszahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Int Charge</source>
        <translation>Zinsen belastet</translation>
    </message>
    <message>
        <source>Int Due</source>
        <extracomment>Interest due, as the calculation gives it.</extracomment>
        <translation>Zinsen fällig</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Verrechnung</translation>
    </message>
</context>
<context>
    <name>ReportPreparation</name>
    <message>
        <source>Statement(s) prior to</source>
        <translation>Mindestens ein Auszug vor</translation>
    </message>
    <message>
        <source>Statement number</source>
        <translation>Auszugsnummer</translation>
    </message>
    <message>
        <source>has not been entered. Calculated Interest Due for this period will not be accurate.</source>
        <translation>wurde nicht eingegeben. Die berechneten fälligen Zinsen für diese Periode werden nicht genau sein.</translation>
    </message>
    <message>
        <source>Some statements have not been entered. Calculated Interest Due for these periods will not be accurate.</source>
        <translation>Einige Auszüge wurden nicht eingegeben. Die berechneten fälligen Zinsen für diese Perioden werden nicht genau sein.</translation>
    </message>
    <message>
        <source>The statement number &apos;%1&apos; is not a number.</source>
        <translation>Die Auszugsnummer &apos;%1&apos; ist keine Zahl.</translation>
    </message>
    <message>
        <source>The statement&apos;s start date or opening balance cannot be read.</source>
        <translation>Das Anfangsdatum oder der Anfangssaldo des Auszugs kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No transactions have been entered. Report cannot be generated.</source>
        <translation>Es wurden keine Buchungen eingegeben. Der Bericht kann nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>SetCheck</name>
    <message>
        <source>The account file &apos;%1&apos; is missing.</source>
        <translation>Die Kontodatei &apos;%1&apos; fehlt.</translation>
    </message>
    <message>
        <source>no working copy can be made</source>
        <translation>es kann keine Arbeitskopie erstellt werden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an account that can be read: %2</source>
        <translation>&apos;%1&apos; ist kein lesbares Konto: %2</translation>
    </message>
    <message>
        <source>No method is chosen for the part: check it alone, or give one for the whole set.</source>
        <translation>Für das Teildarlehen ist keine Methode gewählt: Prüfen Sie es einzeln, oder geben Sie eine für die ganze Gruppe an.</translation>
    </message>
    <message>
        <source>The account has no calculation day for its fixed-day method.</source>
        <translation>Das Konto hat keinen Berechnungstag für seine Fester-Tag-Methode.</translation>
    </message>
    <message>
        <source>Its sums leave the range of amounts.</source>
        <translation>Die Summen überschreiten den Bereich der Beträge.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Teildarlehen</translation>
    </message>
    <message>
        <source>Charged</source>
        <translation>Belastet</translation>
    </message>
    <message>
        <source>Due</source>
        <extracomment>Interest due</extracomment>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Offset saved</source>
        <translation>Ersparnis durch Verrechnung</translation>
    </message>
    <message>
        <source>Fixed until</source>
        <translation>Fest bis</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>Owed</source>
        <translation>Geschuldet</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>No part of the loan set could be checked.</source>
        <translation>Kein Teildarlehen der Darlehensgruppe konnte geprüft werden.</translation>
    </message>
    <message>
        <source>Across its %1 parts your lender charged the interest these figures give.</source>
        <translation>Über alle %1 Teildarlehen hinweg hat Ihr Darlehensgeber die Zinsen belastet, die sich aus diesen Zahlen ergeben.</translation>
    </message>
    <message>
        <source>the offset of &quot;%1&quot; linked to &quot;%2&quot;</source>
        <translation>das Verrechnungskonto von „%1“, verknüpft mit „%2“</translation>
    </message>
    <message>
        <source>the offset of &quot;%1&quot; linked to no part</source>
        <translation>das Verrechnungskonto von „%1“, mit keinem Teildarlehen verknüpft</translation>
    </message>
    <message>
        <source>Loan set: %1</source>
        <translation>Darlehensgruppe: %1</translation>
    </message>
    <message>
        <source>By calendar year (charged less due)</source>
        <translation>Nach Kalenderjahr (belastet abzüglich fällig)</translation>
    </message>
    <message>
        <source>Rate weighted by the balances owed: %1 %</source>
        <translation>Nach den geschuldeten Salden gewichteter Zinssatz: %1 %</translation>
    </message>
    <message>
        <source>The offset accounts across the parts</source>
        <translation>Die Verrechnungskonten der Teildarlehen</translation>
    </message>
    <message>
        <source>No offset account was found linked to another part.</source>
        <translation>Es wurde kein Verrechnungskonto gefunden, das mit einem anderen Teildarlehen verknüpft ist.</translation>
    </message>
    <message>
        <source>Across its %1 parts your lender charged %2 more interest than these figures give.</source>
        <translation>Über alle %1 Teildarlehen hinweg hat Ihr Darlehensgeber %2 mehr Zinsen belastet, als sich aus diesen Zahlen ergibt.</translation>
    </message>
    <message>
        <source>Across its %1 parts your lender charged %2 less interest than these figures give.</source>
        <translation>Über alle %1 Teildarlehen hinweg hat Ihr Darlehensgeber %2 weniger Zinsen belastet, als sich aus diesen Zahlen ergibt.</translation>
    </message>
    <message>
        <source>From %1 to %2 (%3 postings) the charges equal exactly those of %4: %5 less than due.</source>
        <translation>Vom %1 bis %2 (%3 Zinstermine) entsprechen die Belastungen genau denen von %4: %5 weniger als fällig.</translation>
    </message>
    <message>
        <source>From %1 to %2 (%3 postings) the charges equal exactly those of %4: %5 more than due.</source>
        <translation>Vom %1 bis %2 (%3 Zinstermine) entsprechen die Belastungen genau denen von %4: %5 mehr als fällig.</translation>
    </message>
</context>
<context>
    <name>SetComplaint</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no part of the loan set could be checked</source>
        <translation>kein Teildarlehen der Darlehensgruppe konnte geprüft werden</translation>
    </message>
    <message>
        <source>no part of the loan was charged more than its interest due, no repayment falls short of its terms and no offset account was linked to the wrong part: there is nothing to complain of</source>
        <translation>bei keinem Teildarlehen wurden mehr Zinsen belastet als fällig, keine Rate bleibt hinter der Vereinbarung zurück, und kein Verrechnungskonto war mit dem falschen Teildarlehen verknüpft: Es gibt nichts zu beanstanden</translation>
    </message>
    <message>
        <source>No letter is written: %1.</source>
        <translation>Es wird kein Brief geschrieben: %1.</translation>
    </message>
    <message>
        <source>No evidence is written: %1.</source>
        <translation>Es werden keine Nachweise geschrieben: %1.</translation>
    </message>
</context>
<context>
    <name>SetSummaryWindow</name>
    <message>
        <source>P&amp;arts</source>
        <translation>&amp;Teildarlehen</translation>
    </message>
    <message>
        <source>By calendar &amp;year</source>
        <translation>Nach &amp;Kalenderjahr</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Teildarlehen</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Charged</source>
        <translation>Belastet</translation>
    </message>
    <message>
        <source>Due</source>
        <extracomment>The interest due, as the calculation gives it.</extracomment>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Offset saved</source>
        <translation>Ersparnis durch Verrechnung</translation>
    </message>
    <message>
        <source>Fixed until</source>
        <translation>Fest bis</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>Owed</source>
        <extracomment>The balance the part still owes.</extracomment>
        <translation>Restschuld</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>Teildarlehen</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>By calendar year</source>
        <translation>Nach Kalenderjahr</translation>
    </message>
    <message>
        <source>Balance owed by part</source>
        <translation>Restschuld je Teildarlehen</translation>
    </message>
    <message>
        <source>&amp;Show Part</source>
        <translation>Teildarlehen &amp;anzeigen</translation>
    </message>
    <message>
        <source>The selected part&apos;s own summary: its years, its largest differences and what explains them.</source>
        <translation>Die eigene Zusammenfassung des ausgewählten Teildarlehens: seine Jahre, seine größten Differenzen und was sie erklärt.</translation>
    </message>
    <message>
        <source>&amp;Edit Set...</source>
        <translation>Gruppe &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>Prepare a Com&amp;plaint...</source>
        <translation>Beschwerde &amp;vorbereiten...</translation>
    </message>
    <message>
        <source>One letter to the lender raising each part&apos;s findings, and one evidence pack behind it.</source>
        <translation>Ein Brief an den Darlehensgeber, der die Befunde aller Teildarlehen beanstandet, und ein Paket mit Nachweisen dazu.</translation>
    </message>
    <message>
        <source>Copy as Text</source>
        <translation>Als Text kopieren</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>The loan set &apos;%1&apos; cannot be read: %2</source>
        <translation>Die Darlehensgruppe &apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Balance-weighted rate: %1 %</source>
        <translation>Nach Salden gewichteter Zinssatz: %1 %</translation>
    </message>
    <message>
        <source>Balance-weighted rate: none (nothing owed)</source>
        <translation>Nach Salden gewichteter Zinssatz: keiner (nichts geschuldet)</translation>
    </message>
    <message>
        <source>%1, made %2</source>
        <translation>%1, erstellt am %2</translation>
    </message>
    <message>
        <source>The loan set cannot be edited here.</source>
        <translation>Die Darlehensgruppe kann hier nicht bearbeitet werden.</translation>
    </message>
    <message>
        <source>No letter is written: %1.</source>
        <translation>Es wird kein Brief geschrieben: %1.</translation>
    </message>
    <message>
        <source>It says &quot;%1&quot; in place of %2: fill it in before it is sent.</source>
        <translation>Dort steht „%1“ anstelle von %2: Ergänzen Sie dies, bevor der Brief versendet wird.</translation>
    </message>
    <message>
        <source>The letter is in %1 and the evidence in %2. Read the letter through, sign it and send both to your lender.</source>
        <translation>Der Brief befindet sich in %1 und die Nachweise in %2. Lesen Sie den Brief durch, unterschreiben Sie ihn und senden Sie beides an Ihren Darlehensgeber.</translation>
    </message>
    <message>
        <source>Loan Set Summary</source>
        <translation>Zusammenfassung der Darlehensgruppe</translation>
    </message>
    <message>
        <source>The complaint cannot be prepared: %1</source>
        <translation>Die Beschwerde kann nicht vorbereitet werden: %1</translation>
    </message>
</context>
<context>
    <name>SplitRoad</name>
    <message>
        <source>The Bank&apos;s File of &quot;%1&quot;</source>
        <translation>Die Datei der Bank für „%1“</translation>
    </message>
    <message>
        <source>Bank files</source>
        <extracomment>The kind of file a file dialog lists: the bank&apos;s exports</extracomment>
        <translation>Bankdateien</translation>
    </message>
    <message>
        <source>Name of the loan set:</source>
        <translation>Name der Darlehensgruppe:</translation>
    </message>
    <message>
        <source>Name of part %1 of the loan:</source>
        <translation>Name des Teildarlehens %1:</translation>
    </message>
    <message>
        <source>Does the loan have another part?</source>
        <translation>Hat das Darlehen ein weiteres Teildarlehen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2

Import this file all the same?</source>
        <translation>„%1“: %2

Diese Datei trotzdem importieren?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be made from %2: %3</source>
        <translation>„%1“ konnte nicht aus %2 erstellt werden: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>„%1“: %2</translation>
    </message>
    <message>
        <source>The parts&apos; accounts are kept: %1</source>
        <translation>Die Konten der Teildarlehen werden aufbewahrt: %1</translation>
    </message>
    <message>
        <source>The set holds the parts made; add the others in its window.</source>
        <translation>Die Gruppe enthält die erstellten Teildarlehen; fügen Sie die übrigen in ihrem Fenster hinzu.</translation>
    </message>
</context>
<context>
    <name>StatementFile</name>
    <message>
        <source>The file %1 is %2 MB; a statement file may be at most %3 MB. Download a shorter period from the bank.</source>
        <translation>Die Datei %1 ist %2 MB groß; eine Auszugsdatei darf höchstens %3 MB groß sein. Laden Sie bei der Bank einen kürzeren Zeitraum herunter.</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Die Datei %1 ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file (it is a folder, a device or a pipe): it cannot be a bank&apos;s statement file.</source>
        <translation>%1 ist keine reguläre Datei (sondern ein Ordner, ein Gerät oder eine Pipe): Es kann keine Auszugsdatei einer Bank sein.</translation>
    </message>
    <message>
        <source>The file %1 is empty.</source>
        <translation>Die Datei %1 ist leer.</translation>
    </message>
    <message>
        <source>The file %1 is not a text file: it cannot be a bank&apos;s CSV or QIF file.</source>
        <translation>Die Datei %1 ist keine Textdatei: Sie kann keine CSV- oder QIF-Datei einer Bank sein.</translation>
    </message>
    <message>
        <source>The file %1 has %2 lines; a statement file may have at most %3 lines. Download a shorter period from the bank.</source>
        <translation>Die Datei %1 hat %2 Zeilen; eine Auszugsdatei darf höchstens %3 Zeilen haben. Laden Sie bei der Bank einen kürzeren Zeitraum herunter.</translation>
    </message>
    <message>
        <source>Bank statements|*.csv *.ofx *.qfx *.qif *.txt *.xml *.sta *.940 *.mt940</source>
        <extracomment>The file dialog&apos;s filter: keep the | and the patterns after it.</extracomment>
        <translation>Kontoauszüge|*.csv *.ofx *.qfx *.qif *.txt *.xml *.sta *.940 *.mt940</translation>
    </message>
</context>
<context>
    <name>StatementHeader</name>
    <message>
        <source>The statement&apos;s %1 &quot;%2&quot; does not read.</source>
        <translation>Im Auszug ist %1 „%2“ nicht lesbar.</translation>
    </message>
    <message>
        <source>start date</source>
        <translation>das Anfangsdatum</translation>
    </message>
    <message>
        <source>end date</source>
        <translation>das Enddatum</translation>
    </message>
    <message>
        <source>opening balance</source>
        <translation>der Anfangssaldo</translation>
    </message>
    <message>
        <source>closing balance</source>
        <translation>der Endsaldo</translation>
    </message>
</context>
<context>
    <name>SummaryPage</name>
    <message>
        <source>Running total of charged - due</source>
        <translation>Laufende Summe von belastet - fällig</translation>
    </message>
    <message>
        <source>No posting to compare.</source>
        <translation>Kein Zinstermin zum Vergleichen.</translation>
    </message>
    <message>
        <source>By calendar year</source>
        <translation>Nach Kalenderjahr</translation>
    </message>
    <message>
        <source>Interest charged and interest due</source>
        <translation>Belastete und fällige Zinsen</translation>
    </message>
    <message>
        <source>The report&apos;s interest adds up to more than an amount can hold: no summary.</source>
        <translation>Die Zinsen des Berichts ergeben zusammen mehr, als ein Betrag fassen kann: keine Zusammenfassung.</translation>
    </message>
    <message>
        <source>What explains them</source>
        <translation>Was sie erklärt</translation>
    </message>
    <message>
        <source>%1 more in the summary window and the report tool.</source>
        <translation>%1 weitere im Zusammenfassungsfenster und im Berichtsprogramm.</translation>
    </message>
</context>
<context>
    <name>SummaryRendering</name>
    <message>
        <source>%1 month</source>
        <translation>%1 Monat</translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation>%1 Monate</translation>
    </message>
    <message>
        <source>%1 posting</source>
        <translation>%1 Zinstermin</translation>
    </message>
    <message>
        <source>%1 postings</source>
        <translation>%1 Zinstermine</translation>
    </message>
    <message>
        <source>%1 year</source>
        <translation>%1 Jahr</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 Jahre</translation>
    </message>
    <message>
        <source>more in %1 and less in %2 of %3</source>
        <translation>mehr bei %1 und weniger bei %2 der %3</translation>
    </message>
    <message>
        <source>more in %1 of %2</source>
        <translation>mehr bei %1 der %2</translation>
    </message>
    <message>
        <source>less in %1 of %2</source>
        <translation>weniger bei %1 der %2</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>The report has no interest charged or due to compare</source>
        <translation>Der Bericht hat keine belasteten oder fälligen Zinsen zum Vergleichen</translation>
    </message>
    <message>
        <source>Over %1 your lender charged %2 more interest than these figures give, %3</source>
        <translation>Über %1 hinweg hat Ihr Darlehensgeber %2 mehr Zinsen belastet, als sich aus diesen Zahlen ergibt, %3</translation>
    </message>
    <message>
        <source>Over %1 your lender charged %2 less interest than these figures give, %3</source>
        <translation>Über %1 hinweg hat Ihr Darlehensgeber %2 weniger Zinsen belastet, als sich aus diesen Zahlen ergibt, %3</translation>
    </message>
    <message>
        <source>Over %1 your lender charged the interest these figures give</source>
        <translation>Über %1 hinweg hat Ihr Darlehensgeber die Zinsen belastet, die sich aus diesen Zahlen ergeben</translation>
    </message>
    <message>
        <source>Over %1 your lender charged the interest these figures give, in all %2 months</source>
        <translation>Über %1 hinweg hat Ihr Darlehensgeber die Zinsen belastet, die sich aus diesen Zahlen ergeben, in allen %2 Monaten</translation>
    </message>
    <message>
        <source>Over %1 your lender charged in total the interest these figures give, though %2</source>
        <translation>Über %1 hinweg hat Ihr Darlehensgeber insgesamt die Zinsen belastet, die sich aus diesen Zahlen ergeben, allerdings %2</translation>
    </message>
    <message>
        <source>Each charge of the lender is compared with the interest due posted on
its date; amounts are added up as the report shows them, to the cent.</source>
        <translation>Jede Belastung des Darlehensgebers wird mit den fälligen Zinsen verglichen, die an
ihrem Datum gebucht wurden; die Beträge werden so addiert, wie der Bericht sie zeigt, auf den Cent genau.</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Charged</source>
        <translation>Belastet</translation>
    </message>
    <message>
        <source>Due</source>
        <extracomment>Interest due</extracomment>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Total of every posting</source>
        <translation>Summe aller Zinstermine</translation>
    </message>
    <message>
        <source>Total compared</source>
        <translation>Verglichene Summe</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Rate entered</source>
        <translation>Eingegebener Zinssatz</translation>
    </message>
    <message>
        <source>Effective rate</source>
        <translation>Effektiv belasteter Zinssatz</translation>
    </message>
    <message>
        <source>No posting that can be compared has a lender&apos;s charge to find the effective rate of.</source>
        <translation>Kein vergleichbarer Zinstermin hat eine Belastung des Darlehensgebers, aus der sich der effektiv belastete Zinssatz ermitteln ließe.</translation>
    </message>
    <message>
        <source>In every one of %1 the lender charged the interest due or effectively a rate within %2 percentage points of the rates entered for the period.</source>
        <translation>Bei jedem der %1 hat der Darlehensgeber die fälligen Zinsen oder effektiv einen Zinssatz belastet, der höchstens %2 Prozentpunkte von den für die Periode eingegebenen Zinssätzen abweicht.</translation>
    </message>
    <message>
        <source>In %1 of %2 the lender effectively charged a rate %3 percentage points or more from every rate entered for the period: look there first.</source>
        <translation>Bei %1 der %2 hat der Darlehensgeber effektiv einen Zinssatz belastet, der um %3 Prozentpunkte oder mehr von jedem für die Periode eingegebenen Zinssatz abweicht: Sehen Sie dort zuerst nach.</translation>
    </message>
    <message>
        <source>a missing statement (%1)</source>
        <translation>ein fehlender Auszug (%1)</translation>
    </message>
    <message>
        <source>statements missing before it</source>
        <translation>davor fehlende Auszüge</translation>
    </message>
    <message>
        <source>a history that starts part-way through the lender&apos;s period</source>
        <translation>ein Verlauf, der mitten in einer Periode des Darlehensgebers beginnt</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, not counting %1 whose period is incomplete: %2</source>
        <translation>, ohne %1 mit unvollständiger Periode: %2</translation>
    </message>
    <message>
        <source>Method: none; the transactions alone, no interest calculated.</source>
        <translation>Methode: keine; nur die Buchungen, keine Zinsen berechnet.</translation>
    </message>
    <message>
        <source>Method: %1, interest periods ending on day %2 of each month.</source>
        <translation>Methode: %1, die Zinsperioden enden am %2. Tag jedes Monats.</translation>
    </message>
    <message>
        <source>Method: %1.</source>
        <translation>Methode: %1.</translation>
    </message>
    <message>
        <source>Conventions: %1.</source>
        <translation>Konventionen: %1.</translation>
    </message>
    <message>
        <source>Interest charged:</source>
        <translation>Belastete Zinsen:</translation>
    </message>
    <message>
        <source>Interest due:</source>
        <translation>Fällige Zinsen:</translation>
    </message>
    <message>
        <source>Charged - due:</source>
        <translation>Belastet - fällig:</translation>
    </message>
    <message>
        <source>Over-charged (%1):</source>
        <translation>Zu viel berechnet (%1):</translation>
    </message>
    <message>
        <source>Under-charged (%1):</source>
        <translation>Zu wenig berechnet (%1):</translation>
    </message>
    <message>
        <source>Charges without a posting (%1):</source>
        <translation>Belastungen ohne Zinstermin (%1):</translation>
    </message>
    <message>
        <source>Postings without a charge (%1):</source>
        <translation>Zinstermine ohne Belastung (%1):</translation>
    </message>
    <message>
        <source>Incomplete periods (%1):</source>
        <translation>Unvollständige Perioden (%1):</translation>
    </message>
    <message>
        <source>Interest charged and interest due</source>
        <translation>Belastete und fällige Zinsen</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Konto: %1</translation>
    </message>
    <message>
        <source>Incomplete periods (not counted above)</source>
        <translation>Unvollständige Perioden (oben nicht mitgezählt)</translation>
    </message>
    <message>
        <source>Largest differences</source>
        <translation>Größte Differenzen</translation>
    </message>
    <message>
        <source>None: every posting agrees.</source>
        <translation>Keine: Jeder Zinstermin stimmt überein.</translation>
    </message>
    <message>
        <source>By calendar year</source>
        <translation>Nach Kalenderjahr</translation>
    </message>
    <message>
        <source>Charges without an interest posting on their date</source>
        <translation>Belastungen ohne Zinstermin an ihrem Datum</translation>
    </message>
    <message>
        <source>Interest postings without a charge on their date</source>
        <translation>Zinstermine ohne Belastung an ihrem Datum</translation>
    </message>
    <message>
        <source>* holds a posting whose period is incomplete (in the totals, not in the comparison).</source>
        <translation>* enthält einen Zinstermin mit unvollständiger Periode (in den Summen, nicht im Vergleich).</translation>
    </message>
</context>
<context>
    <name>SummaryWindow</name>
    <message>
        <source>By calendar year</source>
        <translation>Nach Kalenderjahr</translation>
    </message>
    <message>
        <source>Largest differences</source>
        <translation>Größte Differenzen</translation>
    </message>
    <message>
        <source>Charges without a posting and postings without a charge</source>
        <translation>Belastungen ohne Zinstermin und Zinstermine ohne Belastung</translation>
    </message>
    <message>
        <source>Not paired</source>
        <translation>Nicht zugeordnet</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Charged</source>
        <translation>Belastet</translation>
    </message>
    <message>
        <source>Due</source>
        <extracomment>The interest due, as the calculation gives it.</extracomment>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>Running total of charged - due</source>
        <translation>Laufende Summe von belastet - fällig</translation>
    </message>
    <message>
        <source>Interest charged and due by year</source>
        <translation>Belastete und fällige Zinsen nach Jahr</translation>
    </message>
    <message>
        <source>Prepare a Com&amp;plaint...</source>
        <translation>Beschwerde &amp;vorbereiten...</translation>
    </message>
    <message>
        <source>A letter to the lender raising the postings it overcharged, and the evidence behind it.</source>
        <translation>Ein Brief an den Darlehensgeber, der die zu viel berechneten Zinstermine beanstandet, und die Nachweise dazu.</translation>
    </message>
    <message>
        <source>Copy as Text</source>
        <translation>Als Text kopieren</translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation>&amp;Rechenweg anzeigen</translation>
    </message>
    <message>
        <source>Every day behind the largest difference selected. Tick a difference to print its working after the report.</source>
        <translation>Alle Tage hinter der größten Differenz sind ausgewählt. Setzen Sie bei einer Differenz ein Häkchen, um ihren Rechenweg nach dem Bericht zu drucken.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Changes of the reference passed on</source>
        <translation>Weitergegebene Änderungen des Referenzzinssatzes</translation>
    </message>
    <message>
        <source>What explains them</source>
        <translation>Was sie erklärt</translation>
    </message>
    <message>
        <source>Show Working of the E&amp;xplanation</source>
        <translation>Rechenweg der &amp;Erklärung anzeigen</translation>
    </message>
    <message>
        <source>Every posting of the explanation&apos;s span in Show Working: the days as due beside the days as the lender worked them, and the lender&apos;s own charges.</source>
        <translation>Jeder Zinstermin im Zeitraum der Erklärung unter „Rechenweg anzeigen“: die Tage, wie sie fällig sind, neben den Tagen, wie der Darlehensgeber sie berechnet hat, und die eigenen Belastungen des Darlehensgebers.</translation>
    </message>
    <message>
        <source>Changes of %1 passed on</source>
        <translation>Weitergegebene Änderungen von %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>Ticked: the printed report ends with this posting&apos;s working.</source>
        <translation>Markiert: Der gedruckte Bericht endet mit dem Rechenweg dieses Zinstermins.</translation>
    </message>
    <message>
        <source>Charged - due, added up</source>
        <translation>Belastet - fällig, aufsummiert</translation>
    </message>
    <message>
        <source>Charged - due, added up over every posting</source>
        <translation>Belastet - fällig, aufsummiert über alle Zinstermine</translation>
    </message>
    <message>
        <source>%1
Charged: %2
Due: %3
Difference: %4
Running total: %5</source>
        <translation>%1
Belastet: %2
Fällig: %3
Differenz: %4
Laufende Summe: %5</translation>
    </message>
    <message>
        <source>%1
Charged: %2
Due: %3
Difference: %4</source>
        <translation>%1
Belastet: %2
Fällig: %3
Differenz: %4</translation>
    </message>
    <message>
        <source>Print in the report window prints the report or saves it as PDF.</source>
        <translation>„Drucken“ im Berichtsfenster druckt den Bericht oder speichert ihn als PDF.</translation>
    </message>
    <message>
        <source> The printed report ends with the working of the posting ticked.</source>
        <translation> Der gedruckte Bericht endet mit dem Rechenweg des markierten Zinstermins.</translation>
    </message>
    <message>
        <source> The printed report ends with the working of the %1 postings ticked.</source>
        <translation> Der gedruckte Bericht endet mit dem Rechenweg der %1 markierten Zinstermine.</translation>
    </message>
    <message>
        <source> Tick a difference to end the printed report with its working.</source>
        <translation> Setzen Sie bei einer Differenz ein Häkchen, damit der gedruckte Bericht mit ihrem Rechenweg endet.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>The report&apos;s interest adds up to more than an amount can hold: no summary.</source>
        <translation>Die Zinsen des Berichts ergeben zusammen mehr, als ein Betrag fassen kann: keine Zusammenfassung.</translation>
    </message>
    <message>
        <source>Next: Show Working opens every day behind the largest difference. %1</source>
        <translation>Nächster Schritt: „Rechenweg anzeigen“ öffnet alle Tage hinter der größten Differenz. %1</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Nächster Schritt: %1</translation>
    </message>
</context>
<context>
    <name>TermsCheck</name>
    <message>
        <source>The account holds no rate terms: enter them in Lender, Rate Terms.</source>
        <translation>Das Konto enthält keine Zinsvereinbarung: Geben Sie sie unter Darlehensgeber, Zinsvereinbarung ein.</translation>
    </message>
    <message>
        <source>The rate terms do not owe a rate on every day of the history: the report runs under the stored rate periods.</source>
        <translation>Die Zinsvereinbarung schuldet nicht für jeden Tag des Verlaufs einen Zinssatz: Der Bericht verwendet die gespeicherten Zinssatzzeiträume.</translation>
    </message>
    <message>
        <source>The interest due is worked out under the rates the loan&apos;s terms owe, not the stored rate periods.</source>
        <translation>Die fälligen Zinsen werden nach den Zinssätzen berechnet, die laut Vereinbarung des Darlehens geschuldet sind, nicht nach den gespeicherten Zinssatzzeiträumen.</translation>
    </message>
</context>
<context>
    <name>TermsStore</name>
    <message>
        <source>The series rate with ID %1 does not read and is left out.</source>
        <translation>Der Zinssatz der Reihe mit der ID %1 ist nicht lesbar und wird ausgelassen.</translation>
    </message>
    <message>
        <source>The rate terms with ID %1 do not read and are left out.</source>
        <translation>Die Zinsvereinbarung mit der ID %1 ist nicht lesbar und wird ausgelassen.</translation>
    </message>
</context>
<context>
    <name>TransactionGuard</name>
    <message>
        <source>No transaction is open.</source>
        <translation>Keine Transaktion ist geöffnet.</translation>
    </message>
</context>
<context>
    <name>WorkingPage</name>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (Fortsetzung)</translation>
    </message>
    <message>
        <source>Vantrell: %1</source>
        <translation>Vantrell: %1</translation>
    </message>
    <message>
        <source>%1: page %2 of %3</source>
        <translation>%1: Seite %2 von %3</translation>
    </message>
    <message>
        <source>The page has no room to print on.</source>
        <translation>Die Seite bietet keinen Platz zum Drucken.</translation>
    </message>
    <message>
        <source>The working could not be sent to the printer or file.</source>
        <translation>Der Rechenweg konnte nicht an den Drucker oder in die Datei ausgegeben werden.</translation>
    </message>
    <message>
        <source>The printer or file took no further page.</source>
        <translation>Der Drucker oder die Datei hat keine weitere Seite angenommen.</translation>
    </message>
    <message>
        <source>The working could not be finished on the printer or file.</source>
        <translation>Der Rechenweg konnte auf dem Drucker oder in der Datei nicht fertiggestellt werden.</translation>
    </message>
</context>
<context>
    <name>WorkingRendering</name>
    <message>
        <source>No: a balance row reset the balance within the period (statements are missing before it)</source>
        <translation>Nein: Eine Saldozeile hat den Saldo innerhalb der Periode zurückgesetzt (davor fehlen Auszüge)</translation>
    </message>
    <message>
        <source>No: the history starts part-way through the lender&apos;s period</source>
        <translation>Nein: Der Verlauf beginnt mitten in einer Periode des Darlehensgebers</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Period: no day accrued interest.</source>
        <translation>Zinsperiode: An keinem Tag sind Zinsen aufgelaufen.</translation>
    </message>
    <message>
        <source>Period: %1 to %2, %3 day</source>
        <translation>Zinsperiode: %1 bis %2, %3 Tag</translation>
    </message>
    <message>
        <source>Period: %1 to %2, %3 days</source>
        <translation>Zinsperiode: %1 bis %2, %3 Tage</translation>
    </message>
    <message>
        <source> bearing %1 day of interest</source>
        <translation> mit Zinsen für %1 Tag</translation>
    </message>
    <message>
        <source> bearing %1 days of interest</source>
        <translation> mit Zinsen für %1 Tage</translation>
    </message>
    <message>
        <source>Rest: the posting period. The balance on its first day is held for the period (Held balance).</source>
        <extracomment>&quot;Rest&quot;: the interest rest, the balance held for a block of days</extracomment>
        <translation>Tilgungsverrechnung: die Zinsperiode. Der Saldo an ihrem ersten Tag wird für die ganze Periode festgehalten (Festgehaltener Saldo).</translation>
    </message>
    <message>
        <source>Rest: %1. The balance on the first day of each block is held for the block (Held balance).</source>
        <extracomment>&quot;Rest&quot;: the interest rest; %1 is its length</extracomment>
        <translation>Tilgungsverrechnung: %1. Der Saldo am ersten Tag jedes Blocks wird für den ganzen Block festgehalten (Festgehaltener Saldo).</translation>
    </message>
    <message>
        <source>Equal periods: each posting period is 1/%1 of a year; each of its days bears 1/(%1 × its days) of the yearly rate (Part of a year).</source>
        <translation>Gleiche Perioden: Jede Zinsperiode ist 1/%1 eines Jahres; jeder ihrer Tage wird mit 1/(%1 × Anzahl ihrer Tage) des Jahreszinssatzes verzinst (Jahresanteil).</translation>
    </message>
    <message>
        <source>Compounding: each day bears the nominal rate over %1 periods a year equivalent to the rate entered compounded half-yearly.</source>
        <translation>Verzinsung: Jeder Tag wird mit dem Nominalzinssatz bei %1 Perioden pro Jahr verzinst, der dem eingegebenen Zinssatz bei halbjährlicher Verzinsung entspricht.</translation>
    </message>
    <message>
        <source>%1 % for %2 % entered</source>
        <translation>%1 % bei eingegebenen %2 %</translation>
    </message>
    <message>
        <source>Rate the days bear: %1.</source>
        <translation>Zinssatz, mit dem die Tage verzinst werden: %1.</translation>
    </message>
    <message>
        <source>Held balance</source>
        <translation>Festgehaltener Saldo</translation>
    </message>
    <message>
        <source>Part of a year</source>
        <translation>Jahresanteil</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Verrechnung</translation>
    </message>
    <message>
        <source>Bears interest</source>
        <translation>Verzinst</translation>
    </message>
    <message>
        <source>Deferred</source>
        <translation>Aufgeschoben</translation>
    </message>
    <message>
        <source>Rate %</source>
        <translation>Zinssatz %</translation>
    </message>
    <message>
        <source>Divisor</source>
        <translation>Divisor</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>Laufende Summe</translation>
    </message>
    <message>
        <source>%1 to %2 %</source>
        <translation>%1 bis %2 %</translation>
    </message>
    <message>
        <source>none: the lender charged nothing on this date</source>
        <translation>keiner: Der Darlehensgeber hat an diesem Tag nichts belastet</translation>
    </message>
    <message>
        <source>none: the posting cannot be compared</source>
        <translation>keiner: Der Zinstermin kann nicht verglichen werden</translation>
    </message>
    <message>
        <source>none: no balance bore interest in the period</source>
        <translation>keiner: In der Periode wurde kein Saldo verzinst</translation>
    </message>
    <message>
        <source>none: no rate from %1 to %2 % comes to the charge</source>
        <translation>keiner: Kein Zinssatz von %1 bis %2 % ergibt die Belastung</translation>
    </message>
    <message>
        <source>Working of the interest due on %1</source>
        <translation>Rechenweg der fälligen Zinsen am %1</translation>
    </message>
    <message>
        <source>Total of the days, unrounded:</source>
        <translation>Summe der Tage, ungerundet:</translation>
    </message>
    <message>
        <source>Total of the days:</source>
        <translation>Summe der Tage:</translation>
    </message>
    <message>
        <source>Interest due (Int Due):</source>
        <translation>Fällige Zinsen (Zinsen fällig):</translation>
    </message>
    <message>
        <source>Lender&apos;s charge (Int Charge):</source>
        <translation>Belastung des Darlehensgebers (Zinsen belastet):</translation>
    </message>
    <message>
        <source>Charged - due:</source>
        <translation>Belastet - fällig:</translation>
    </message>
    <message>
        <source>none on this date</source>
        <translation>keine an diesem Tag</translation>
    </message>
    <message>
        <source>Rate entered:</source>
        <translation>Eingegebener Zinssatz:</translation>
    </message>
    <message>
        <source>Effective rate:</source>
        <translation>Effektiv belasteter Zinssatz:</translation>
    </message>
    <message>
        <source>Comparable:</source>
        <translation>Vergleichbar:</translation>
    </message>
    <message>
        <source>≈ No rate gives the charge exactly: a step of the rounding jumps over it. The rate shown is where it does.</source>
        <translation>≈ Kein Zinssatz ergibt die Belastung genau: Ein Rundungsschritt springt über sie hinweg. Der angezeigte Zinssatz ist der, bei dem dies geschieht.</translation>
    </message>
    <message>
        <source>The effective rate lies %1 percentage points or more from every rate entered for the period.</source>
        <translation>Der effektiv belastete Zinssatz weicht um %1 Prozentpunkte oder mehr von jedem für die Periode eingegebenen Zinssatz ab.</translation>
    </message>
    <message>
        <source>* A balance row reset the balance at the end of the day before: the history does not reach the balance the bank stated.</source>
        <translation>* Eine Saldozeile hat den Saldo am Ende des Vortags zurückgesetzt: Der Verlauf erreicht den von der Bank genannten Saldo nicht.</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>The days of the period</source>
        <translation>Die Tage der Periode</translation>
    </message>
    <message>
        <source>Total, charge and rates</source>
        <translation>Summe, Belastung und Zinssätze</translation>
    </message>
    <message>
        <source>Print with the &amp;report</source>
        <translation>Mit dem &amp;Bericht drucken</translation>
    </message>
    <message>
        <source>The printed report ends with the working of every posting ticked here or in the summary&apos;s largest differences, each on its own page.</source>
        <translation>Der gedruckte Bericht endet mit dem Rechenweg jedes Zinstermins, der hier oder bei den größten Differenzen der Zusammenfassung markiert ist, jeweils auf einer eigenen Seite.</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copies the days, tab-separated, to paste into a spreadsheet.</source>
        <translation>Kopiert die Tage, durch Tabulatoren getrennt, zum Einfügen in eine Tabellenkalkulation.</translation>
    </message>
    <message>
        <source>&amp;Save as CSV...</source>
        <translation>Als CSV &amp;speichern...</translation>
    </message>
    <message>
        <source>Print or P&amp;DF...</source>
        <translation>Drucken oder P&amp;DF...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>The report has no interest posting.</source>
        <translation>Der Bericht hat keinen Zinstermin.</translation>
    </message>
    <message>
        <source>Show Working of the Explanation</source>
        <translation>Rechenweg der Erklärung anzeigen</translation>
    </message>
    <message>
        <source>Save the Working as CSV</source>
        <translation>Rechenweg als CSV speichern</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 ist bereits vorhanden. Ersetzen?</translation>
    </message>
    <message>
        <source>Show Working</source>
        <translation>Rechenweg anzeigen</translation>
    </message>
    <message>
        <source>The working could not be saved: %1</source>
        <translation>Der Rechenweg konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Show Working: %1</source>
        <extracomment>%1 is the posting&apos;s date.</extracomment>
        <translation>Rechenweg anzeigen: %1</translation>
    </message>
    <message>
        <source>CSV files|*.csv</source>
        <translation>CSV-Dateien|*.csv</translation>
    </message>
    <message>
        <source>Working %1.csv</source>
        <translation>Rechenweg %1.csv</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Checks the interest a lender charged on a home loan: enter each statement&apos;s transactions and interest rates, and the report sets the interest due beside the interest charged.</source>
        <translation>Prüft die Zinsen, die ein Darlehensgeber für ein Immobiliendarlehen belastet hat: Geben Sie die Buchungen und Zinssätze jedes Auszugs ein, und der Bericht stellt die fälligen Zinsen den belasteten Zinsen gegenüber.</translation>
    </message>
    <message>
        <source>About Vantrell</source>
        <translation>Über Vantrell</translation>
    </message>
</context>
<context>
    <name>frmAllRecords</name>
    <message>
        <source>View/Amend Transactions</source>
        <translation>Buchungen anzeigen/ändern</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Govt Charge</source>
        <translation>Staatl. Abgabe</translation>
    </message>
    <message>
        <source>Bank Charge</source>
        <translation>Bankgebühr</translation>
    </message>
    <message>
        <source>User Withdrawal</source>
        <translation>Auszahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Interest Charge</source>
        <extracomment>The interest the lender charged on the row&apos;s date</extracomment>
        <translation>Zinsbelastung</translation>
    </message>
    <message>
        <source>Balance</source>
        <extracomment>The balance before the row&apos;s amounts</extracomment>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>CloseBalance</source>
        <extracomment>The balance after the row&apos;s amounts</extracomment>
        <translation>Endsaldo</translation>
    </message>
</context>
<context>
    <name>frmCalculate</name>
    <message>
        <source>Interest Report</source>
        <translation>Zinsbericht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Print Preview</source>
        <translation>&amp;Druckvorschau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation>&amp;Rechenweg anzeigen</translation>
    </message>
    <message>
        <source>Co&amp;mplaint...</source>
        <translation>&amp;Beschwerde...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>The report has no interest posting to show the working of.</source>
        <translation>Der Bericht hat keinen Zinstermin, dessen Rechenweg angezeigt werden könnte.</translation>
    </message>
    <message>
        <source>Requery Error: %1</source>
        <translation>Fehler bei der erneuten Abfrage: %1</translation>
    </message>
    <message>
        <source>Clear Report error</source>
        <extracomment>Followed at once by the database&apos;s error code and text.</extracomment>
        <translation>Fehler beim Leeren des Berichts</translation>
    </message>
    <message>
        <source>Preview Error: %1</source>
        <translation>Fehler bei der Vorschau: %1</translation>
    </message>
    <message>
        <source>Print Error: %1</source>
        <translation>Fehler beim Drucken: %1</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&lt;&lt;&amp;Back</source>
        <translation>&lt;&lt;&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next&gt;&gt;</source>
        <translation>&amp;Weiter&gt;&gt;</translation>
    </message>
    <message>
        <source>Vantrell Help</source>
        <translation>Vantrell-Hilfe</translation>
    </message>
</context>
<context>
    <name>frmInformation</name>
    <message>
        <source>Missing Statement</source>
        <translation>Fehlender Auszug</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Enter Statement</source>
        <translation>Auszug eingeben</translation>
    </message>
    <message>
        <source>Statement Number
</source>
        <extracomment>The notice reads in three boxes: this, the statement&apos;s number, then &quot;has not been entered…&quot;.</extracomment>
        <translation>Auszugsnummer
</translation>
    </message>
    <message>
        <source>has not been entered. Calculated Interest Due for this period will not be 
accurate.
</source>
        <extracomment>Follows &quot;Statement Number&quot; and the statement&apos;s number.</extracomment>
        <translation>wurde nicht eingegeben. Die berechneten fälligen Zinsen für diese Periode werden nicht 
genau sein.
</translation>
    </message>
</context>
<context>
    <name>frmMethod</name>
    <message>
        <source>Interest Calculation Method</source>
        <translation>Zinsberechnungsmethode</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Fixed Day</source>
        <translation>Fester Tag</translation>
    </message>
    <message>
        <source>Fixed Day, Deferred Interest</source>
        <translation>Fester Tag, aufgeschobene Zinsen</translation>
    </message>
    <message>
        <source>Variable Day</source>
        <translation>Variabler Tag</translation>
    </message>
    <message>
        <source>Variable Day, Deferred Interest</source>
        <translation>Variabler Tag, aufgeschobene Zinsen</translation>
    </message>
    <message>
        <source>Select Interest Calculation Method:</source>
        <translation>Zinsberechnungsmethode auswählen:</translation>
    </message>
    <message>
        <source>Day of Month Interest Paid From:</source>
        <translation>Monatstag, ab dem die Zinsen berechnet werden:</translation>
    </message>
    <message>
        <source>Lender&apos;s Conventions</source>
        <translation>Konventionen des Darlehensgebers</translation>
    </message>
    <message>
        <source>Find Lender&apos;s Method</source>
        <translation>Methode des Darlehensgebers finden</translation>
    </message>
    <message>
        <source>Offset Account</source>
        <translation>Verrechnungskonto</translation>
    </message>
    <message>
        <source>Please enter the day of month that Interest Calculations start.
Or choose Variable Day.</source>
        <translation>Bitte geben Sie den Monatstag ein, ab dem die Zinsberechnung beginnt.
Oder wählen Sie Variabler Tag.</translation>
    </message>
</context>
<context>
    <name>frmNewStatement</name>
    <message>
        <source>Enter Statement Details</source>
        <translation>Auszugsdaten eingeben</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a statement number. Please enter a whole number.</source>
        <translation>%1 „%2“ ist keine Auszugsnummer. Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a date. Please enter it as %3.</source>
        <translation>%1 „%2“ ist kein Datum. Bitte geben Sie es im Format %3 ein.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not an amount. Please enter a number, with a &apos;-&apos; (minus) sign if the Loan Account was in debit.</source>
        <translation>%1 „%2“ ist kein Betrag. Bitte geben Sie eine Zahl ein, mit einem &apos;-&apos; (Minuszeichen), wenn das Darlehenskonto im Soll war.</translation>
    </message>
    <message>
        <source>Statement Number:</source>
        <translation>Auszugsnummer:</translation>
    </message>
    <message>
        <source>Statement Start Date:</source>
        <translation>Anfangsdatum des Auszugs:</translation>
    </message>
    <message>
        <source>Opening Balance:</source>
        <translation>Anfangssaldo:</translation>
    </message>
    <message>
        <source>Statement End Date:</source>
        <translation>Enddatum des Auszugs:</translation>
    </message>
    <message>
        <source>Closing Balance:</source>
        <translation>Endsaldo:</translation>
    </message>
    <message>
        <source>Please enter all statement details requested.</source>
        <translation>Bitte geben Sie alle angeforderten Auszugsdaten ein.</translation>
    </message>
    <message>
        <source>Please check Statement Start Date and Statement End Date.</source>
        <translation>Bitte prüfen Sie das Anfangsdatum und das Enddatum des Auszugs.</translation>
    </message>
    <message>
        <source>Please enter all Interest Rate details for this Loan Account.</source>
        <translation>Bitte geben Sie alle Zinssatzangaben für dieses Darlehenskonto ein.</translation>
    </message>
    <message>
        <source>Vantrell Verification</source>
        <translation>Vantrell-Prüfung</translation>
    </message>
    <message>
        <source>Are you sure your Loan Account
was in Credit?
If not use &apos;-&apos; (minus signs).</source>
        <translation>Sind Sie sicher, dass Ihr Darlehenskonto
im Haben war?
Falls nicht, verwenden Sie &apos;-&apos; (Minuszeichen).</translation>
    </message>
    <message>
        <source>This statement has already been entered.
Do you want to continue?</source>
        <translation>Dieser Auszug wurde bereits eingegeben.
Möchten Sie fortfahren?</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Tasks</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Enter Statement Details</source>
        <translation>Auszugsdaten eingeben</translation>
    </message>
    <message>
        <source>View/Amend Interest Changes</source>
        <translation>Zinsänderungen anzeigen/ändern</translation>
    </message>
    <message>
        <source>View/Amend Transactions</source>
        <translation>Buchungen anzeigen/ändern</translation>
    </message>
    <message>
        <source>View Report</source>
        <translation>Bericht anzeigen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Task Menu</source>
        <translation>Aufgabenmenü</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Check the interest your lender charged on your home loan.
Start a new loan account, or open one you have saved.</source>
        <translation>Prüfen Sie die Zinsen, die Ihr Darlehensgeber für Ihr Immobiliendarlehen belastet hat.
Legen Sie ein neues Darlehenskonto an oder öffnen Sie ein gespeichertes.</translation>
    </message>
    <message>
        <source>New Loan Account</source>
        <translation>Neues Darlehenskonto</translation>
    </message>
    <message>
        <source>Open Loan Account</source>
        <translation>Darlehenskonto öffnen</translation>
    </message>
    <message>
        <source>Check a Loan from the Bank&apos;s File…</source>
        <translation>Darlehen aus der Datei der Bank prüfen…</translation>
    </message>
    <message>
        <source>Check a Split Loan…</source>
        <translation>Aufgeteiltes Darlehen prüfen…</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Erste Schritte</translation>
    </message>
</context>
<context>
    <name>frmThisSession</name>
    <message>
        <source>Statement Transactions</source>
        <translation>Buchungen des Auszugs</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>The opening balance &quot;%1&quot; is not an amount.</source>
        <translation>Der Anfangssaldo „%1“ ist kein Betrag.</translation>
    </message>
    <message>
        <source>The balance after the row of %1 is outside the range of amounts.</source>
        <translation>Der Saldo nach der Zeile vom %1 liegt außerhalb des Bereichs der Beträge.</translation>
    </message>
    <message>
        <source>Please enter all statement details for current session.</source>
        <translation>Bitte geben Sie alle Auszugsdaten für die aktuelle Sitzung ein.</translation>
    </message>
    <message>
        <source>An error has occurred. Please re-enter your data. %1</source>
        <extracomment>%1 is why the rows could not be read again.</extracomment>
        <translation>Ein Fehler ist aufgetreten. Bitte geben Sie Ihre Daten erneut ein. %1</translation>
    </message>
    <message>
        <source>Get Balance Error %1</source>
        <translation>Fehler beim Abrufen des Saldos %1</translation>
    </message>
    <message>
        <source>Please enter a valid date.</source>
        <translation>Bitte geben Sie ein gültiges Datum ein.</translation>
    </message>
    <message>
        <source>Errors in data entry, please check your figures. Include &apos;-&apos; (minus) sign in Open and Close Balances if appropriate.</source>
        <translation>Fehler bei der Dateneingabe, bitte prüfen Sie Ihre Zahlen. Geben Sie bei Anfangs- und Endsaldo gegebenenfalls ein &apos;-&apos; (Minuszeichen) ein.</translation>
    </message>
    <message>
        <source>Date error, please check all dates.</source>
        <translation>Datumsfehler, bitte prüfen Sie alle Datumsangaben.</translation>
    </message>
    <message>
        <source>Date Error. Please check all dates.</source>
        <translation>Datumsfehler. Bitte prüfen Sie alle Datumsangaben.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Govt Charge</source>
        <translation>Staatl. Abgabe</translation>
    </message>
    <message>
        <source>Bank Charge</source>
        <translation>Bankgebühr</translation>
    </message>
    <message>
        <source>User W&apos;drawal</source>
        <extracomment>The column of the borrower&apos;s own withdrawals, shortened to fit.</extracomment>
        <translation>Auszahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Interest Charge</source>
        <extracomment>The column of the interest the lender charged.</extracomment>
        <translation>Zinsbelastung</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>The rows were imported, but the file&apos;s layout could not be remembered: %1</source>
        <translation>Die Zeilen wurden importiert, aber der Aufbau der Datei konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>frmUserInterestChanges</name>
    <message>
        <source>Interest Rate Changes</source>
        <translation>Zinssatzänderungen</translation>
    </message>
    <message>
        <source>Reads rate periods back from the interest your lender charged, for a history without its rate letters.</source>
        <translation>Leitet Zinssatzzeiträume aus den Zinsen ab, die Ihr Darlehensgeber belastet hat – für einen Verlauf ohne die Schreiben zu den Zinssätzen.</translation>
    </message>
    <message>
        <source>Valid From</source>
        <translation>Gültig ab</translation>
    </message>
    <message>
        <source>Valid To</source>
        <translation>Gültig bis</translation>
    </message>
    <message>
        <source>Interest Rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>Propose from Charges…</source>
        <translation>Aus Belastungen vorschlagen…</translation>
    </message>
    <message>
        <source>You must enter a statement first.</source>
        <translation>Sie müssen zuerst einen Auszug eingeben.</translation>
    </message>
    <message>
        <source>Please enter interest rates.</source>
        <translation>Bitte geben Sie Zinssätze ein.</translation>
    </message>
    <message>
        <source>Date Error. Please check all dates.</source>
        <translation>Datumsfehler. Bitte prüfen Sie alle Datumsangaben.</translation>
    </message>
    <message>
        <source>Please enter all transactions for this statement.</source>
        <translation>Bitte geben Sie alle Buchungen dieses Auszugs ein.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AccountCommands</name>
    <message>
        <source>Open File Error: %1%2</source>
        <translation>Fout bij het openen van het bestand: %1%2</translation>
    </message>
    <message>
        <source>Data</source>
        <extracomment>The kind of file a file dialog lists: the loan accounts</extracomment>
        <translation>Rekeningbestanden</translation>
    </message>
    <message>
        <source>Save New Account as...</source>
        <translation>Nieuwe rekening opslaan als...</translation>
    </message>
    <message>
        <source>Open Database...</source>
        <translation>Database openen...</translation>
    </message>
    <message>
        <source>File Creation Error: %1</source>
        <translation>Fout bij het maken van het bestand: %1</translation>
    </message>
    <message>
        <source>The account &apos;%1&apos; is in use.</source>
        <translation>De rekening &apos;%1&apos; is in gebruik.</translation>
    </message>
</context>
<context>
    <name>AccountConnection</name>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Kon bestand &apos;%1&apos; niet vinden.</translation>
    </message>
    <message>
        <source>The account file &apos;%1&apos; could not be opened safely.</source>
        <translation>Het rekeningbestand &apos;%1&apos; kon niet veilig worden geopend.</translation>
    </message>
    <message>
        <source>The account schema is missing from the program.</source>
        <translation>Het rekeningschema ontbreekt in het programma.</translation>
    </message>
    <message>
        <source>File already exists: %1</source>
        <translation>Bestand bestaat al: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a loan account file.</source>
        <translation>&apos;%1&apos; is geen rekeningbestand van een lening.</translation>
    </message>
    <message>
        <source>The account file &apos;%1&apos; was left half-written when a program stopped. Open it in Vantrell once to repair it, then run the report again.</source>
        <translation>Het rekeningbestand &apos;%1&apos; is half geschreven achtergebleven toen een programma stopte. Open het één keer in Vantrell om het te herstellen en maak het rapport daarna opnieuw.</translation>
    </message>
    <message>
        <source>The account file &apos;%1&apos; cannot be read.</source>
        <translation>Het rekeningbestand &apos;%1&apos; kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The account file &apos;%1&apos; cannot be read: %2</source>
        <translation>Het rekeningbestand &apos;%1&apos; kan niet worden gelezen: %2</translation>
    </message>
</context>
<context>
    <name>AccountFiles</name>
    <message>
        <source>The Data folder &apos;%1&apos; cannot be written.</source>
        <translation>In de map Data &apos;%1&apos; kan niet worden geschreven.</translation>
    </message>
    <message>
        <source>Could not create &apos;%1&apos;</source>
        <translation>Kon &apos;%1&apos; niet maken</translation>
    </message>
    <message>
        <source>Could not read &apos;%1&apos;</source>
        <translation>Kon &apos;%1&apos; niet lezen</translation>
    </message>
    <message>
        <source>Could not set the permissions of &apos;%1&apos;</source>
        <translation>Kon de machtigingen van &apos;%1&apos; niet instellen</translation>
    </message>
    <message>
        <source>Could not read &apos;%1&apos; safely.</source>
        <translation>Kon &apos;%1&apos; niet veilig lezen.</translation>
    </message>
    <message>
        <source>Could not update &apos;%1&apos;</source>
        <translation>Kon &apos;%1&apos; niet bijwerken</translation>
    </message>
    <message>
        <source>Could not update &apos;%1&apos; safely.</source>
        <translation>Kon &apos;%1&apos; niet veilig bijwerken.</translation>
    </message>
    <message>
        <source>Could not copy &apos;%1&apos;</source>
        <translation>Kon &apos;%1&apos; niet kopiëren</translation>
    </message>
    <message>
        <source>Could not write &apos;%1&apos; to disk</source>
        <translation>Kon &apos;%1&apos; niet naar schijf schrijven</translation>
    </message>
    <message>
        <source>Could not rename &apos;%1&apos;</source>
        <translation>Kon de naam van &apos;%1&apos; niet wijzigen</translation>
    </message>
    <message>
        <source>Could not write &apos;%1&apos;: %2</source>
        <translation>Kon &apos;%1&apos; niet schrijven: %2</translation>
    </message>
    <message>
        <source>Could not delete &apos;%1&apos;</source>
        <translation>Kon &apos;%1&apos; niet verwijderen</translation>
    </message>
    <message>
        <source>The template &apos;%1&apos; is missing.</source>
        <translation>Het sjabloon &apos;%1&apos; ontbreekt.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists.</source>
        <translation>Het bestand &apos;%1&apos; bestaat al.</translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Kon bestand &apos;%1&apos; niet vinden.</translation>
    </message>
    <message>
        <source>Could not read &apos;%1&apos;.</source>
        <translation>Kon &apos;%1&apos; niet lezen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a loan account file.</source>
        <translation>&apos;%1&apos; is geen rekeningbestand van een lening.</translation>
    </message>
    <message>
        <source>The account file &apos;%1&apos; is read-only.</source>
        <translation>Het rekeningbestand &apos;%1&apos; is alleen-lezen.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; that holds the account cannot be written.</source>
        <translation>In de map &apos;%1&apos; waarin de rekening staat, kan niet worden geschreven.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; exists already</source>
        <translation>&apos;%1&apos; bestaat al</translation>
    </message>
</context>
<context>
    <name>AccountSchema</name>
    <message>
        <source>Could not bring &apos;%1&apos; up to date: the account layout is missing from the program.</source>
        <translation>Kon &apos;%1&apos; niet bijwerken: de rekeningindeling ontbreekt in het programma.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a loan account file: %2.</source>
        <translation>&apos;%1&apos; is geen rekeningbestand van een lening: %2.</translation>
    </message>
    <message>
        <source>it has no table %1</source>
        <translation>het heeft geen tabel %1</translation>
    </message>
    <message>
        <source>%1 is a view, not a table</source>
        <translation>%1 is een weergave (view), geen tabel</translation>
    </message>
    <message>
        <source>%1 is not an ordinary table</source>
        <translation>%1 is geen gewone tabel</translation>
    </message>
    <message>
        <source>the table %1 has no column %2</source>
        <translation>de tabel %1 heeft geen kolom %2</translation>
    </message>
    <message>
        <source>the key ID of %1 is not assigned automatically</source>
        <translation>de sleutel ID van %1 wordt niet automatisch toegekend</translation>
    </message>
    <message>
        <source>the column %2 of %1 is not declared %3</source>
        <translation>de kolom %2 van %1 is niet gedeclareerd als %3</translation>
    </message>
    <message>
        <source>the column %2 of %1 holds a value of the wrong kind in the row with ID %3</source>
        <translation>de kolom %2 van %1 bevat een waarde van het verkeerde soort in de rij met ID %3</translation>
    </message>
    <message>
        <source>Could not read &apos;%1&apos;: %2</source>
        <translation>Kon &apos;%1&apos; niet lezen: %2</translation>
    </message>
    <message>
        <source>The account &apos;%1&apos; is in use by another program. Close that program, then open the account again.</source>
        <translation>De rekening &apos;%1&apos; is in gebruik door een ander programma. Sluit dat programma en open de rekening daarna opnieuw.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was made by a newer version of Vantrell and cannot be opened by this one.</source>
        <translation>&apos;%1&apos; is gemaakt door een nieuwere versie van Vantrell en kan met deze versie niet worden geopend.</translation>
    </message>
    <message>
        <source>it holds the %1 %2</source>
        <translation>het bevat de %1 %2</translation>
    </message>
    <message>
        <source>the table tblSettings holds the name &apos;%1&apos; more than once</source>
        <translation>de tabel tblSettings bevat de naam &apos;%1&apos; meer dan eens</translation>
    </message>
    <message>
        <source>Could not bring &apos;%1&apos; up to date: %2</source>
        <translation>Kon &apos;%1&apos; niet bijwerken: %2</translation>
    </message>
</context>
<context>
    <name>AccountStore</name>
    <message>
        <source>The account file is not open.</source>
        <translation>Het rekeningbestand is niet geopend.</translation>
    </message>
    <message>
        <source>The account&apos;s history</source>
        <translation>De historie van de rekening</translation>
    </message>
    <message>
        <source>day count</source>
        <translation>dagtelling</translation>
    </message>
    <message>
        <source>rounding</source>
        <translation>afronding</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>saldoberekening</translation>
    </message>
    <message>
        <source>compounding</source>
        <translation>rente-op-rente</translation>
    </message>
    <message>
        <source>periods a year</source>
        <translation>perioden per jaar</translation>
    </message>
    <message>
        <source>The account&apos;s lender&apos;s conventions cannot be worked with together (%1); the defaults are used instead.</source>
        <translation>De rekenregels van de geldverstrekker in de rekening kunnen niet samen worden gebruikt (%1); in plaats daarvan worden de standaardwaarden gebruikt.</translation>
    </message>
    <message>
        <source>The account holds a lender&apos;s %1 that this version of Vantrell does not know; the default is used instead.</source>
        <translation>De rekening bevat voor de %1 van de geldverstrekker een waarde die deze versie van Vantrell niet kent; in plaats daarvan wordt de standaardwaarde gebruikt.</translation>
    </message>
    <message>
        <source> and a </source>
        <translation> en een </translation>
    </message>
    <message>
        <source>The account&apos;s offset account setting is &apos;%1&apos;, neither yes nor no; the loan is taken to have no offset account.</source>
        <translation>De instelling voor de compensatierekening in de rekening is &apos;%1&apos;, ja noch nee; de lening wordt behandeld als een lening zonder compensatierekening.</translation>
    </message>
    <message>
        <source>The account holds an offset share of &apos;%1&apos;, which is not a per cent from 0 to 100; 100 is used instead.</source>
        <translation>De rekening bevat voor het deel dat meetelt van de compensatierekening de waarde &apos;%1&apos;, wat geen percentage van 0 tot 100 is; in plaats daarvan wordt 100 gebruikt.</translation>
    </message>
</context>
<context>
    <name>AmountColumns</name>
    <message>
        <source>Govt Charge</source>
        <translation>Overheidsheffing</translation>
    </message>
    <message>
        <source>Bank Charge</source>
        <translation>Bankkosten</translation>
    </message>
    <message>
        <source>User W&apos;drawal</source>
        <translation>Opname</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Storting</translation>
    </message>
    <message>
        <source>Interest Charge</source>
        <translation>Geboekte rente</translation>
    </message>
</context>
<context>
    <name>BankSummary</name>
    <message>
        <source>it takes the balance from %1 to %2, but the rows add up to %3</source>
        <translation>het brengt het saldo van %1 naar %2, maar de rijen tellen op tot %3</translation>
    </message>
    <message>
        <source>its totals are %1 in and %2 out, but the rows&apos; are %3 and %4</source>
        <translation>de totalen zijn %1 bij en %2 af, maar die van de rijen zijn %3 en %4</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>The file&apos;s summary does not agree with its rows: %1.</source>
        <translation>De samenvatting van het bestand komt niet overeen met de rijen: %1.</translation>
    </message>
    <message>
        <source>The file states an opening balance of %1 (line %2).</source>
        <translation>Het bestand vermeldt een beginsaldo van %1 (regel %2).</translation>
    </message>
    <message>
        <source>The file states a closing balance of %1 (line %2).</source>
        <translation>Het bestand vermeldt een eindsaldo van %1 (regel %2).</translation>
    </message>
    <message>
        <source>The file states an opening balance of %1 on %2 (line %3).</source>
        <translation>Het bestand vermeldt een beginsaldo van %1 op %2 (regel %3).</translation>
    </message>
    <message>
        <source>The file states a closing balance of %1 on %2 (line %3).</source>
        <translation>Het bestand vermeldt een eindsaldo van %1 op %2 (regel %3).</translation>
    </message>
    <message>
        <source>The statement opens on the same balance.</source>
        <translation>Het afschrift begint met hetzelfde saldo.</translation>
    </message>
    <message>
        <source>The statement opens on %1: check its opening balance.</source>
        <translation>Het afschrift begint met %1: controleer het beginsaldo ervan.</translation>
    </message>
    <message>
        <source>Its rows agree with its summary.</source>
        <translation>De rijen komen overeen met de samenvatting ervan.</translation>
    </message>
</context>
<context>
    <name>BusyDialog</name>
    <message>
        <source>Reading the OFX file…</source>
        <translation>Het OFX-bestand wordt gelezen…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>CamtReader</name>
    <message>
        <source>The file declares a document type or entities, which a bank statement never does: it is not read.</source>
        <translation>Het bestand declareert een documenttype of entiteiten, wat een bankafschrift nooit doet: het wordt niet gelezen.</translation>
    </message>
    <message>
        <source>This is not a camt statement: the file has no BkToCstmrStmt or BkToCstmrAcctRpt element.</source>
        <translation>Dit is geen camt-afschrift: het bestand heeft geen element BkToCstmrStmt of BkToCstmrAcctRpt.</translation>
    </message>
    <message>
        <source>The file ends at line %1 before its XML is complete: it is cut short.</source>
        <translation>Het bestand eindigt op regel %1 voordat zijn XML compleet is: het is afgebroken.</translation>
    </message>
    <message>
        <source>The file&apos;s XML does not read at line %1: %2</source>
        <translation>De XML van het bestand is op regel %1 niet leesbaar: %2</translation>
    </message>
    <message>
        <source>The file&apos;s elements nest more than %1 deep at line %2, which no bank statement does: it is not read.</source>
        <translation>De elementen van het bestand zijn op regel %2 dieper dan %1 niveaus genest, wat geen bankafschrift doet: het wordt niet gelezen.</translation>
    </message>
    <message>
        <source>The file holds more than %1 entries, balances and statements; a statement file may hold at most that many. Download a shorter period from the bank.</source>
        <translation>Het bestand bevat meer dan %1 boekingen, saldi en afschriften; een afschriftbestand mag er hoogstens zoveel bevatten. Download een kortere periode bij de bank.</translation>
    </message>
    <message>
        <source>The entry has no booking date and no value date.</source>
        <translation>De boeking heeft geen boekdatum en geen valutadatum.</translation>
    </message>
    <message>
        <source>The date &quot;%1&quot; does not read.</source>
        <translation>De datum &quot;%1&quot; is niet leesbaar.</translation>
    </message>
    <message>
        <source>The entry has no amount.</source>
        <translation>De boeking heeft geen bedrag.</translation>
    </message>
    <message>
        <source>The amount &quot;%1&quot; does not read.</source>
        <translation>Het bedrag &quot;%1&quot; is niet leesbaar.</translation>
    </message>
    <message>
        <source>The entry does not say whether it is money in or out (CdtDbtInd is &quot;%1&quot;).</source>
        <translation>De boeking zegt niet of het geld in of uit is (CdtDbtInd is &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>Not booked yet: the bank lists it as pending.</source>
        <translation>Nog niet geboekt: de bank vermeldt haar als in behandeling.</translation>
    </message>
    <message>
        <source>Not booked: the bank lists it for information only.</source>
        <translation>Niet geboekt: de bank vermeldt haar alleen ter informatie.</translation>
    </message>
    <message>
        <source>Not booked: the bank lists it as &quot;%1&quot;.</source>
        <translation>Niet geboekt: de bank vermeldt haar als &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The file is %1 MB; a statement file may be at most %2 MB. Download a shorter period from the bank.</source>
        <translation>Het bestand is %1 MB; een afschriftbestand mag hoogstens %2 MB zijn. Download een kortere periode bij de bank.</translation>
    </message>
    <message>
        <source>at line %1</source>
        <translation>op regel %1</translation>
    </message>
    <message>
        <source>The statement %1 states a closing balance of %2, but its opening balance of %3 and its booked entries give %4.</source>
        <translation>Het afschrift %1 vermeldt een eindsaldo van %2, maar zijn beginsaldo van %3 en zijn geboekte posten geven %4.</translation>
    </message>
    <message>
        <source>The file has no such account.</source>
        <translation>Het bestand bevat deze rekening niet.</translation>
    </message>
    <message>
        <source>The account %1 has no entries in the file.</source>
        <translation>De rekening %1 heeft geen boekingen in het bestand.</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(geen naam)</translation>
    </message>
    <message>
        <source>The file has no entries.</source>
        <translation>Het bestand heeft geen boekingen.</translation>
    </message>
</context>
<context>
    <name>ColumnRules</name>
    <message>
        <source>Rule line %1, &quot;%2&quot;, is not &quot;word = column&quot; with one of the columns %3.</source>
        <translation>Kolomregel %1, &quot;%2&quot;, is niet &quot;woord = kolom&quot; met een van de kolommen %3.</translation>
    </message>
</context>
<context>
    <name>Complaint</name>
    <message>
        <source>the report&apos;s interest adds up to more than an amount can hold</source>
        <translation>de rente van het rapport telt op tot meer dan een bedrag kan bevatten</translation>
    </message>
    <message>
        <source>the lender charged no posting more than its interest due: there is nothing to complain of</source>
        <translation>de geldverstrekker heeft bij geen enkele renteboeking meer dan de verschuldigde rente in rekening gebracht: er is niets om over te klagen</translation>
    </message>
    <message>
        <source>no posting is raised: none was charged %1 or more above its interest due, and none is ticked</source>
        <translation>er wordt geen renteboeking aangekaart: bij geen enkele is %1 of meer boven de verschuldigde rente in rekening gebracht, en geen enkele is aangevinkt</translation>
    </message>
    <message>
        <source>No letter is written: %1.</source>
        <translation>Er wordt geen brief geschreven: %1.</translation>
    </message>
    <message>
        <source>No letter is written: no part of the loan was checked.</source>
        <translation>Er wordt geen brief geschreven: geen enkel leningdeel is gecontroleerd.</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: the document could not be made</source>
        <translation>Kan &apos;%1&apos; niet schrijven: het document kon niet worden gemaakt</translation>
    </message>
</context>
<context>
    <name>ComplaintDetails</name>
    <message>
        <source>None</source>
        <extracomment>No country chosen</extracomment>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australië</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Nieuw-Zeeland</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Verenigd Koninkrijk</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Ierland</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Verenigde Staten</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>uw naam</translation>
    </message>
    <message>
        <source>the loan account number</source>
        <translation>het leningnummer</translation>
    </message>
    <message>
        <source>the lender&apos;s name</source>
        <translation>de naam van de geldverstrekker</translation>
    </message>
</context>
<context>
    <name>ComplaintWindow</name>
    <message>
        <source>Raise</source>
        <extracomment>The tick column: the posting is raised in the letter.</extracomment>
        <translation>Aankaarten</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Charged</source>
        <translation>In rekening gebracht</translation>
    </message>
    <message>
        <source>Due</source>
        <extracomment>The interest due, as the calculation gives it.</extracomment>
        <translation>Verschuldigd</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Verschil</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Verklaring</translation>
    </message>
    <message>
        <source>Postings to raise</source>
        <translation>Aan te kaarten renteboekingen</translation>
    </message>
    <message>
        <source>&amp;Postings charged above their interest due:</source>
        <translation>&amp;Renteboekingen boven de verschuldigde rente:</translation>
    </message>
    <message>
        <source>&amp;Write Letter and Evidence...</source>
        <translation>&amp;Brief en bewijsstukken opstellen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Uw na&amp;am:</translation>
    </message>
    <message>
        <source>Your a&amp;ddress:</source>
        <translation>Uw adr&amp;es:</translation>
    </message>
    <message>
        <source>Loan &amp;account number:</source>
        <translation>Lening&amp;nummer:</translation>
    </message>
    <message>
        <source>&amp;Lender:</source>
        <translation>&amp;Geldverstrekker:</translation>
    </message>
    <message>
        <source>Lender&apos;s addr&amp;ess:</source>
        <translation>Adres van de geld&amp;verstrekker:</translation>
    </message>
    <message>
        <source>The letter then says how long the lender has to answer and where you may go next.</source>
        <translation>De brief vermeldt dan hoe lang de geldverstrekker heeft om te antwoorden en waar u daarna terechtkunt.</translation>
    </message>
    <message>
        <source>C&amp;ountry:</source>
        <translation>&amp;Land:</translation>
    </message>
    <message>
        <source>A posting charged this much or more above its due is ticked.</source>
        <translation>Een renteboeking die zoveel of meer boven de verschuldigde rente ligt, wordt aangevinkt.</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Drempel:</translation>
    </message>
    <message>
        <source>The threshold &apos;%1&apos; is not an amount of 0 or more.</source>
        <translation>De drempel &apos;%1&apos; is geen bedrag van 0 of meer.</translation>
    </message>
    <message>
        <source>%1 raised, %2 in all, and the interest it would have saved: %3.</source>
        <translation>%1 aangekaart, samen %2, en de rente die dat zou hebben bespaard: %3.</translation>
    </message>
    <message>
        <source>1 posting</source>
        <translation>1 renteboeking</translation>
    </message>
    <message>
        <source>%1 postings</source>
        <translation>%1 renteboekingen</translation>
    </message>
    <message>
        <source>No letter: %1.</source>
        <translation>Geen brief: %1.</translation>
    </message>
    <message>
        <source>Save the Letter</source>
        <translation>Brief opslaan</translation>
    </message>
    <message>
        <source>OpenDocument text|*.odt</source>
        <translation>OpenDocument-tekst|*.odt</translation>
    </message>
    <message>
        <source>Save the Evidence</source>
        <translation>Bewijsstukken opslaan</translation>
    </message>
    <message>
        <source>PDF|*.pdf</source>
        <translation>PDF|*.pdf</translation>
    </message>
    <message>
        <source>The letter is in %1 and the evidence in %2. Read the letter through, sign it and send both to your lender.</source>
        <translation>De brief staat in %1 en de bewijsstukken in %2. Lees de brief na, onderteken hem en stuur beide naar uw geldverstrekker.</translation>
    </message>
    <message>
        <source>The letter needs %1: fill in &quot;%2&quot; before it is written.</source>
        <translation>De brief heeft %1 nodig: vul &quot;%2&quot; in voordat hij wordt geschreven.</translation>
    </message>
    <message>
        <source>Prepare a Complaint</source>
        <translation>Klacht voorbereiden</translation>
    </message>
    <message>
        <source>A letter to your lender that raises each posting charged above its interest due, with what explains it, and the evidence behind it: the summary, the report, the working of each posting raised, the rates and statements. Untick a posting to leave it out. The details are kept in the account for next time.</source>
        <translation>Een brief aan uw geldverstrekker die elke renteboeking boven de verschuldigde rente aankaart, met de verklaring ervan, en de bewijsstukken erbij: de samenvatting, het rapport, de uitwerking van elke aangekaarte renteboeking, de rentepercentages en de afschriften. Vink een renteboeking uit om deze weg te laten. De gegevens worden in de rekening bewaard voor een volgende keer.</translation>
    </message>
    <message>
        <source>The complaint cannot be prepared: %1</source>
        <translation>De klacht kan niet worden voorbereid: %1</translation>
    </message>
    <message>
        <source>The details could not be kept in the account: %1</source>
        <translation>De gegevens konden niet in de rekening worden bewaard: %1</translation>
    </message>
    <message>
        <source>%1 complaint.odt</source>
        <translation>%1 klachtbrief.odt</translation>
    </message>
    <message>
        <source>%1 evidence.pdf</source>
        <translation>%1 bewijsstukken.pdf</translation>
    </message>
</context>
<context>
    <name>Conventions</name>
    <message>
        <source>Actual/365 Fixed</source>
        <translation>Werkelijk/365 vast</translation>
    </message>
    <message>
        <source>Actual/Actual</source>
        <translation>Werkelijk/werkelijk</translation>
    </message>
    <message>
        <source>Actual/365 No-Leap</source>
        <translation>Werkelijk/365 zonder schrikkeldag</translation>
    </message>
    <message>
        <source>Actual/360</source>
        <translation>Werkelijk/360</translation>
    </message>
    <message>
        <source>30/360</source>
        <translation>30/360</translation>
    </message>
    <message>
        <source>Equal periods</source>
        <translation>Gelijke perioden</translation>
    </message>
    <message>
        <source>Each day to four decimals</source>
        <translation>Per dag op vier decimalen</translation>
    </message>
    <message>
        <source>Each day to cents</source>
        <translation>Per dag op centen</translation>
    </message>
    <message>
        <source>At posting, to cents</source>
        <translation>Bij de renteboeking, op centen</translation>
    </message>
    <message>
        <source>each day to four decimals</source>
        <translation>per dag op vier decimalen</translation>
    </message>
    <message>
        <source>each day to cents</source>
        <translation>per dag op centen</translation>
    </message>
    <message>
        <source>at posting, to cents</source>
        <translation>bij de renteboeking op centen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Half-yearly</source>
        <translation>Halfjaarlijks</translation>
    </message>
    <message>
        <source>The yearly rate divided by 365 on every day, 29 February too. The large Australian lenders.</source>
        <translation>Het jaarpercentage elke dag gedeeld door 365, ook op 29 februari. De grote Australische geldverstrekkers.</translation>
    </message>
    <message>
        <source>Divided by 366 on the days of a leap year, by 365 otherwise. Lenders that count a leap year&apos;s 366 days, as some British and European banks do.</source>
        <translation>Gedeeld door 366 op de dagen van een schrikkeljaar, anders door 365. Geldverstrekkers die de 366 dagen van een schrikkeljaar tellen, zoals sommige Britse en Europese banken.</translation>
    </message>
    <message>
        <source>Divided by 365, and 29 February bears no interest. Lenders that never charge for the leap day.</source>
        <translation>Gedeeld door 365, en 29 februari draagt geen rente. Geldverstrekkers die nooit rente rekenen voor de schrikkeldag.</translation>
    </message>
    <message>
        <source>Divided by 360 on every day, so a year costs a little more. Many US and European commercial lenders and lines of credit.</source>
        <translation>Elke dag gedeeld door 360, zodat een jaar iets meer kost. Veel zakelijke geldverstrekkers en doorlopende kredieten in de VS en Europa.</translation>
    </message>
    <message>
        <source>Every month counts 30 days at rate / 360: the 31st bears nothing, the last day of February makes up the month. Most US mortgage servicers.</source>
        <translation>Elke maand telt 30 dagen tegen rente / 360: de 31e draagt niets, de laatste dag van februari vult de maand aan. De meeste Amerikaanse hypotheekbeheerders.</translation>
    </message>
    <message>
        <source>Each posting period is the same share of a year (1/12 for monthly postings) whatever its length; its days share it equally. Canadian lenders, and the rate / 12 of the Australian credit code.</source>
        <translation>Elke boekingsperiode is hetzelfde deel van een jaar (1/12 bij maandelijkse renteboekingen), ongeacht de lengte; de dagen ervan delen dat deel gelijk. Canadese geldverstrekkers, en de rente / 12 van de Australische kredietwet.</translation>
    </message>
    <message>
        <source>Each day&apos;s interest is rounded to four decimals, then added up. The large Australian lenders.</source>
        <translation>De rente van elke dag wordt op vier decimalen afgerond en daarna opgeteld. De grote Australische geldverstrekkers.</translation>
    </message>
    <message>
        <source>Each day&apos;s interest is rounded to whole cents, then added up. Lenders whose statements show each day&apos;s interest in cents.</source>
        <translation>De rente van elke dag wordt op hele centen afgerond en daarna opgeteld. Geldverstrekkers van wie de afschriften de rente van elke dag in centen tonen.</translation>
    </message>
    <message>
        <source>The days&apos; interest is added up unrounded; only the posted total is rounded to cents. Lenders that work out a month&apos;s interest at once, as most US servicers do.</source>
        <translation>De rente van de dagen wordt onafgerond opgeteld; alleen het geboekte totaal wordt op centen afgerond. Geldverstrekkers die de rente van een maand in één keer berekenen, zoals de meeste Amerikaanse hypotheekbeheerders.</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Per dag</translation>
    </message>
    <message>
        <source>Posting period</source>
        <translation>Per boekingsperiode</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Jaarlijks</translation>
    </message>
    <message>
        <source>%1-month blocks from %2</source>
        <translation>blokken van %1 maanden vanaf %2</translation>
    </message>
    <message>
        <source>%1 (%2 a year)</source>
        <translation>%1 (%2 per jaar)</translation>
    </message>
    <message>
        <source>annual rest</source>
        <translation>jaarsaldo</translation>
    </message>
    <message>
        <source>rest: posting period</source>
        <translation>saldoberekening: per boekingsperiode</translation>
    </message>
    <message>
        <source>rest: %1-month blocks from %2</source>
        <translation>saldoberekening: blokken van %1 maanden vanaf %2</translation>
    </message>
    <message>
        <source>compounded half-yearly (%1 periods a year)</source>
        <translation>halfjaarlijkse rente-op-rente (%1 perioden per jaar)</translation>
    </message>
    <message>
        <source>Lender&apos;s conventions: %1.</source>
        <translation>Rekenregels van de geldverstrekker: %1.</translation>
    </message>
    <message>
        <source>The periods a year must be a whole number from 1 to %1.</source>
        <translation>Het aantal perioden per jaar moet een geheel getal van 1 tot %1 zijn.</translation>
    </message>
    <message>
        <source>A rest&apos;s blocks run 1 to 12 months, from a month 1 to 12.</source>
        <translation>De blokken van een saldoberekening duren 1 tot 12 maanden, vanaf een maand 1 tot 12.</translation>
    </message>
    <message>
        <source>Daily interest</source>
        <translation>Rente over het dagsaldo</translation>
    </message>
    <message>
        <source>Australia, New Zealand, Ireland and the UK&apos;s daily-interest loans.</source>
        <translation>Leningen met rente over het dagsaldo in Australië, Nieuw-Zeeland, Ierland en het Verenigd Koninkrijk.</translation>
    </message>
    <message>
        <source>Monthly rest, 1/12 a month</source>
        <translation>Maandsaldo, 1/12 per maand</translation>
    </message>
    <message>
        <source>US mortgages, German Annuitätendarlehen, the UK&apos;s monthly-rest loans, Canadian variable rates.</source>
        <translation>Amerikaanse hypotheken, Duitse Annuitätendarlehen, Britse leningen met maandsaldo, Canadese variabele rentes.</translation>
    </message>
    <message>
        <source>Annual rest</source>
        <translation>Jaarsaldo</translation>
    </message>
    <message>
        <source>UK building societies, some Irish lenders, the German annual Tilgungsverrechnung.</source>
        <translation>Britse hypotheekcoöperaties (building societies), sommige Ierse geldverstrekkers, de Duitse jaarlijkse Tilgungsverrechnung.</translation>
    </message>
    <message>
        <source>Canadian fixed rate</source>
        <translation>Canadese vaste rente</translation>
    </message>
    <message>
        <source>Canadian fixed-rate mortgages: the rate compounded half-yearly, not in advance.</source>
        <translation>Canadese hypotheken met vaste rente: het rentepercentage met halfjaarlijkse rente-op-rente, niet vooraf.</translation>
    </message>
    <message>
        <source>Equal months on daily balances</source>
        <translation>Gelijke maanden over dagsaldi</translation>
    </message>
    <message>
        <source>New Zealand&apos;s BNZ before May 2024; the rate / 12 on the average daily balance of the Australian credit code.</source>
        <translation>BNZ in Nieuw-Zeeland vóór mei 2024; de rente / 12 over het gemiddelde dagsaldo van de Australische kredietwet.</translation>
    </message>
    <message>
        <source>Equal periods weigh each posting period as a whole, so only the posting can be rounded: choose the rounding &quot;At posting, to cents&quot;.</source>
        <translation>Gelijke perioden wegen elke boekingsperiode als geheel, dus alleen de renteboeking kan worden afgerond: kies de afronding &quot;Bij de renteboeking, op centen&quot;.</translation>
    </message>
    <message>
        <source>January</source>
        <translation>januari</translation>
    </message>
    <message>
        <source>February</source>
        <translation>februari</translation>
    </message>
    <message>
        <source>March</source>
        <translation>maart</translation>
    </message>
    <message>
        <source>April</source>
        <translation>april</translation>
    </message>
    <message>
        <source>May</source>
        <extracomment>the month</extracomment>
        <translation>mei</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>augustus</translation>
    </message>
    <message>
        <source>September</source>
        <translation>september</translation>
    </message>
    <message>
        <source>October</source>
        <translation>oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>november</translation>
    </message>
    <message>
        <source>December</source>
        <translation>december</translation>
    </message>
</context>
<context>
    <name>ConventionsWindow</name>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>&amp;Apply Preset</source>
        <translation>Voorinstelling &amp;toepassen</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>&amp;Voorinstelling:</translation>
    </message>
    <message>
        <source>Months a block</source>
        <translation>Maanden per blok</translation>
    </message>
    <message>
        <source>months &amp;from</source>
        <translation>maanden v&amp;anaf</translation>
    </message>
    <message>
        <source>Month the blocks start in</source>
        <translation>Maand waarin de blokken beginnen</translation>
    </message>
    <message>
        <source>Used by equal periods and by compounding: 12 for monthly postings, 26 fortnightly.</source>
        <translation>Gebruikt bij gelijke perioden en bij rente-op-rente: 12 bij maandelijkse renteboekingen, 26 bij tweewekelijkse.</translation>
    </message>
    <message>
        <source>Periods a &amp;year:</source>
        <translation>Perioden per &amp;jaar:</translation>
    </message>
    <message>
        <source>Used by: %1</source>
        <translation>Gebruikt door: %1</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Per dag</translation>
    </message>
    <message>
        <source>Posting period</source>
        <translation>Per boekingsperiode</translation>
    </message>
    <message>
        <source>Blocks of</source>
        <extracomment>followed by a number of months and &quot;months from&quot; a month: blocks of 12 months from January</extracomment>
        <translation>In blokken van</translation>
    </message>
    <message>
        <source>Each day&apos;s own balance bears that day&apos;s interest.</source>
        <translation>Het eigen saldo van elke dag draagt de rente van die dag.</translation>
    </message>
    <message>
        <source>The balance on the first day of the posting period bears interest for the whole period: monthly rest where postings are monthly.</source>
        <translation>Het saldo op de eerste dag van de boekingsperiode draagt rente voor de hele periode: maandsaldo bij maandelijkse renteboekingen.</translation>
    </message>
    <message>
        <source>The balance on the first day of each block bears interest for the whole block; annual rest: 12 months from January; payments count from the next block.</source>
        <translation>Het saldo op de eerste dag van elk blok draagt rente voor het hele blok; jaarsaldo: 12 maanden vanaf januari; betalingen tellen vanaf het volgende blok.</translation>
    </message>
    <message>
        <source>The entered rate is the rate the days bear.</source>
        <translation>Het ingevoerde rentepercentage is het percentage dat de dagen dragen.</translation>
    </message>
    <message>
        <source>The entered rate is compounded half-yearly: the days bear the rate equivalent to it over the periods a year. Canadian fixed rates.</source>
        <translation>Over het ingevoerde rentepercentage wordt halfjaarlijks rente-op-rente berekend: de dagen dragen het rentepercentage dat daaraan gelijkwaardig is over de perioden per jaar. Canadese vaste rentes.</translation>
    </message>
    <message>
        <source>Lender&apos;s Conventions</source>
        <translation>Rekenregels van de geldverstrekker</translation>
    </message>
    <message>
        <source>How your lender works out a day&apos;s interest. Each choice is stored at once and used by every report of this account.</source>
        <translation>Hoe uw geldverstrekker de rente van een dag berekent. Elke keuze wordt meteen opgeslagen en gebruikt door elk rapport van deze rekening.</translation>
    </message>
    <message>
        <source>Day Count</source>
        <translation>Dagtelling</translation>
    </message>
    <message>
        <source>Rounding of Interest</source>
        <translation>Afronding van de rente</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>the interval on whose balance interest is worked (daily rest, monthly rest)</extracomment>
        <translation>Saldoberekening</translation>
    </message>
    <message>
        <source>Compounding</source>
        <translation>Rente-op-rente</translation>
    </message>
    <message>
        <source>The lender&apos;s conventions could not be stored: %1</source>
        <translation>De rekenregels van de geldverstrekker konden niet worden opgeslagen: %1</translation>
    </message>
</context>
<context>
    <name>CsvCells</name>
    <message>
        <source>the day first</source>
        <translation>de dag eerst</translation>
    </message>
    <message>
        <source>the month first</source>
        <translation>de maand eerst</translation>
    </message>
</context>
<context>
    <name>CsvDetection</name>
    <message>
        <source>A quote opened on line %1 is never closed: the file is cut short or damaged.</source>
        <translation>Een aanhalingsteken dat op regel %1 wordt geopend, wordt nergens gesloten: het bestand is afgebroken of beschadigd.</translation>
    </message>
    <message>
        <source>No line of the file reads as a transaction: none has a date and an amount.</source>
        <translation>Geen enkele regel van het bestand is leesbaar als transactie: geen enkele heeft een datum en een bedrag.</translation>
    </message>
    <message>
        <source>No column of the file holds only amounts.</source>
        <translation>Geen enkele kolom van het bestand bevat alleen bedragen.</translation>
    </message>
</context>
<context>
    <name>CsvLayout</name>
    <message>
        <source>Line %1 is not &quot;name=value&quot;.</source>
        <translation>Regel %1 is niet &quot;naam=waarde&quot;.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a value for %3.</source>
        <translation>Regel %1: &quot;%2&quot; is geen waarde voor %3.</translation>
    </message>
    <message>
        <source>The preset has no name.</source>
        <translation>De voorinstelling heeft geen naam.</translation>
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
        <translation>Puntkomma</translation>
    </message>
    <message>
        <source>Tab</source>
        <extracomment>The tab character</extracomment>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Pipe</source>
        <translation>Verticale streep</translation>
    </message>
    <message>
        <source>CSV layout</source>
        <translation>CSV-indeling</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Indeling:</translation>
    </message>
    <message>
        <source>&amp;Delimiter:</source>
        <translation>&amp;Scheidingsteken:</translation>
    </message>
    <message>
        <source>Lines to &amp;skip:</source>
        <translation>&amp;Regels overslaan:</translation>
    </message>
    <message>
        <source>Point (1,234.56)</source>
        <translation>Punt (1,234.56)</translation>
    </message>
    <message>
        <source>Comma (1.234,56)</source>
        <translation>Komma (1.234,56)</translation>
    </message>
    <message>
        <source>Decimal poi&amp;nt:</source>
        <translation>Deci&amp;maalteken:</translation>
    </message>
    <message>
        <source>One signed column</source>
        <translation>Eén kolom met teken</translation>
    </message>
    <message>
        <source>Debit and credit columns</source>
        <translation>Kolommen debet en credit</translation>
    </message>
    <message>
        <source>&amp;Amounts:</source>
        <translation>&amp;Bedragen:</translation>
    </message>
    <message>
        <source>Da&amp;te column:</source>
        <translation>Kolom d&amp;atum:</translation>
    </message>
    <message>
        <source>Descri&amp;ption column:</source>
        <translation>Kolom &amp;omschrijving:</translation>
    </message>
    <message>
        <source>A&amp;mount column:</source>
        <translation>Kolom bedra&amp;g:</translation>
    </message>
    <message>
        <source>De&amp;bit column:</source>
        <translation>Kolom d&amp;ebet:</translation>
    </message>
    <message>
        <source>C&amp;redit column:</source>
        <translation>Kolom &amp;credit:</translation>
    </message>
    <message>
        <source>Balan&amp;ce column:</source>
        <translation>Kolom sa&amp;ldo:</translation>
    </message>
    <message>
        <source>Si&amp;gn column:</source>
        <translation>Kolom teke&amp;n:</translation>
    </message>
    <message>
        <source>&amp;Header row</source>
        <translation>&amp;Kopregel</translation>
    </message>
    <message>
        <source>Date &amp;order:</source>
        <translation>Datum&amp;volgorde:</translation>
    </message>
    <message>
        <source>&amp;Flip the sign</source>
        <translation>&amp;Teken omdraaien</translation>
    </message>
    <message>
        <source>&amp;Date order:</source>
        <translation>&amp;Datumvolgorde:</translation>
    </message>
    <message>
        <source>Day first (31/01/2024)</source>
        <translation>Dag eerst (31/01/2024)</translation>
    </message>
    <message>
        <source>Month first (01/31/2024)</source>
        <translation>Maand eerst (01/31/2024)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(geen)</translation>
    </message>
    <message>
        <source>As detected</source>
        <translation>Zoals herkend</translation>
    </message>
    <message>
        <source>As last time</source>
        <translation>Zoals de vorige keer</translation>
    </message>
    <message>
        <source>The layout &quot;%1&quot; does not fit this file. %2</source>
        <translation>De indeling &quot;%1&quot; past niet bij dit bestand. %2</translation>
    </message>
</context>
<context>
    <name>CsvRead</name>
    <message>
        <source>The layout has no date or no amount column.</source>
        <translation>De indeling heeft geen datum- of geen bedragkolom.</translation>
    </message>
    <message>
        <source>The line has %1 fields; the layout reads %2.</source>
        <translation>De regel heeft %1 velden; de indeling leest er %2.</translation>
    </message>
    <message>
        <source>The amount &quot;%1&quot; does not read.</source>
        <translation>Het bedrag &quot;%1&quot; is niet leesbaar.</translation>
    </message>
    <message>
        <source>Neither the debit &quot;%1&quot; nor the credit &quot;%2&quot; reads as an amount.</source>
        <translation>Noch het debetbedrag &quot;%1&quot; noch het creditbedrag &quot;%2&quot; is leesbaar als bedrag.</translation>
    </message>
    <message>
        <source>The sign &quot;%1&quot; does not read: CR or DR, or a code ending in + or -, is expected.</source>
        <translation>Het teken &quot;%1&quot; is niet leesbaar: CR of DR, of een code die eindigt op + of -, wordt verwacht.</translation>
    </message>
    <message>
        <source>The line has no date.</source>
        <translation>De regel heeft geen datum.</translation>
    </message>
    <message>
        <source>The date &quot;%1&quot; does not read as a date with %2.</source>
        <translation>De datum &quot;%1&quot; is niet leesbaar als datum met %2.</translation>
    </message>
    <message>
        <source>The balance &quot;%1&quot; does not read.</source>
        <translation>Het saldo &quot;%1&quot; is niet leesbaar.</translation>
    </message>
    <message>
        <source>A quote opened on this line is never closed: the file is cut short or damaged, and the lines after it are not read.</source>
        <translation>Een aanhalingsteken dat op deze regel wordt geopend, wordt nergens gesloten: het bestand is afgebroken of beschadigd, en de regels erna worden niet gelezen.</translation>
    </message>
    <message>
        <source>The file has no transactions after line %1.</source>
        <translation>Het bestand bevat geen transacties na regel %1.</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>The amounts are read with their sign turned: the payments to the card (&quot;%1&quot;, line %2) are negative where its other rows are mostly positive, as a card&apos;s purchases are.</source>
        <translation>De bedragen worden met omgekeerd teken gelezen: de betalingen aan de kaart (&quot;%1&quot;, regel %2) zijn negatief terwijl de andere rijen meestal positief zijn, zoals de aankopen met een kaart.</translation>
    </message>
    <message>
        <source>The amounts are read with their sign turned: their column is named for money out.</source>
        <translation>De bedragen worden met omgekeerd teken gelezen: hun kolom is genoemd naar uitgaand geld.</translation>
    </message>
    <message>
        <source>The amounts are read with their sign turned: the balances follow from them that way.</source>
        <translation>De bedragen worden met omgekeerd teken gelezen: zo volgen de saldi eruit.</translation>
    </message>
    <message>
        <source>No line of the file has the columns %1.</source>
        <translation>Geen enkele regel van het bestand heeft de kolommen %1.</translation>
    </message>
    <message>
        <source>No line of the file reads as a transaction.</source>
        <translation>Geen enkele regel van het bestand is leesbaar als transactie.</translation>
    </message>
    <message>
        <source>The amounts are read with their sign turned, as the preset &quot;%1&quot; reads them.</source>
        <translation>De bedragen worden met omgekeerd teken gelezen, zoals de voorinstelling &quot;%1&quot; ze leest.</translation>
    </message>
</context>
<context>
    <name>DiagnosisText</name>
    <message>
        <source>the change of %1 of %2</source>
        <translation>de wijziging van %1 van %2</translation>
    </message>
    <message>
        <source>a loan whose offset was not counted</source>
        <translation>een lening waarvan de compensatie niet is meegeteld</translation>
    </message>
    <message>
        <source>a loan whose rate change of %1 applied %2 days later</source>
        <translation>een lening waarvan de rentewijziging van %1 %2 dagen later is toegepast</translation>
    </message>
    <message>
        <source>a loan whose rate change of %1 applied %2 days earlier</source>
        <translation>een lening waarvan de rentewijziging van %1 %2 dagen eerder is toegepast</translation>
    </message>
    <message>
        <source>a loan whose rate before the change of %1 was kept until %2</source>
        <translation>een lening waarvan de rente van vóór de wijziging van %1 is aangehouden tot %2</translation>
    </message>
    <message>
        <source>a loan whose lender never passed on %1</source>
        <translation>een lening waarvan de geldverstrekker %1 nooit heeft doorgevoerd</translation>
    </message>
    <message>
        <source>a loan whose lender passed on %1 %2 days late</source>
        <translation>een lening waarvan de geldverstrekker %1 %2 dagen te laat heeft doorgevoerd</translation>
    </message>
    <message>
        <source>a loan whose lender passed on %1 %2 points short</source>
        <translation>een lening waarvan de geldverstrekker %1 %2 procentpunt te weinig heeft doorgevoerd</translation>
    </message>
    <message>
        <source>a loan whose repayments were credited %1 days late</source>
        <translation>een lening waarvan de aflossingen %1 dagen te laat zijn bijgeschreven</translation>
    </message>
    <message>
        <source>a loan whose interest was worked out under %1, %2</source>
        <translation>een lening waarvan de rente is berekend volgens %1, %2</translation>
    </message>
    <message>
        <source>a loan whose interest was rounded %1</source>
        <translation>een lening waarvan de rente %1 is afgerond</translation>
    </message>
    <message>
        <source>a loan whose interest was worked out on annual rest</source>
        <translation>een lening waarvan de rente is berekend over het jaarsaldo</translation>
    </message>
    <message>
        <source>a loan whose interest was worked out on a rest of %1</source>
        <translation>een lening waarvan de rente is berekend met een saldoberekening over %1</translation>
    </message>
    <message>
        <source>Offset was not counted</source>
        <translation>Compensatie is niet meegeteld</translation>
    </message>
    <message>
        <source>Rate change of %1 applied %2 days later</source>
        <translation>De rentewijziging van %1 is %2 dagen later toegepast</translation>
    </message>
    <message>
        <source>Rate change of %1 applied %2 days earlier</source>
        <translation>De rentewijziging van %1 is %2 dagen eerder toegepast</translation>
    </message>
    <message>
        <source>Rate before the change of %1 was kept until %2</source>
        <translation>De rente van vóór de wijziging van %1 is aangehouden tot %2</translation>
    </message>
    <message>
        <source>Lender never passed on %1</source>
        <translation>De geldverstrekker heeft %1 nooit doorgevoerd</translation>
    </message>
    <message>
        <source>Lender passed on %1 %2 days late</source>
        <translation>De geldverstrekker heeft %1 %2 dagen te laat doorgevoerd</translation>
    </message>
    <message>
        <source>Lender passed on %1 %2 points short</source>
        <translation>De geldverstrekker heeft %1 %2 procentpunt te weinig doorgevoerd</translation>
    </message>
    <message>
        <source>Repayments were credited %1 days late</source>
        <translation>De aflossingen zijn %1 dagen te laat bijgeschreven</translation>
    </message>
    <message>
        <source>Interest was worked out under %1, %2</source>
        <translation>De rente is berekend volgens %1, %2</translation>
    </message>
    <message>
        <source>Interest was rounded %1</source>
        <translation>De rente is %1 afgerond</translation>
    </message>
    <message>
        <source>Interest was worked out on annual rest</source>
        <translation>De rente is berekend over het jaarsaldo</translation>
    </message>
    <message>
        <source>Interest was worked out on a rest of %1</source>
        <translation>De rente is berekend met een saldoberekening over %1</translation>
    </message>
    <message>
        <source>From %1 to %2 (%3 postings) the charges equal exactly those of %4: %5 less than due.</source>
        <translation>Van %1 tot %2 (%3 renteboekingen) zijn de boekingen precies gelijk aan die van %4: %5 minder dan verschuldigd.</translation>
    </message>
    <message>
        <source>From %1 to %2 (%3 postings) the charges equal exactly those of %4: %5 more than due.</source>
        <translation>Van %1 tot %2 (%3 renteboekingen) zijn de boekingen precies gelijk aan die van %4: %5 meer dan verschuldigd.</translation>
    </message>
    <message>
        <source>No known mistake explains the difference of %1.</source>
        <translation>Geen bekende fout verklaart het verschil van %1.</translation>
    </message>
    <message>
        <source>What explains the differences</source>
        <translation>Wat de verschillen verklaart</translation>
    </message>
    <message>
        <source>Every charge agrees with the interest due.</source>
        <translation>Elke boeking komt overeen met de verschuldigde rente.</translation>
    </message>
    <message>
        <source>No known mistake explains the differences.</source>
        <translation>Geen bekende fout verklaart de verschillen.</translation>
    </message>
    <message>
        <source>So many differences were found that only those around the largest were searched, and not every way.</source>
        <translation>Er zijn zoveel verschillen gevonden dat alleen die rond de grootste zijn onderzocht, en niet op elke manier.</translation>
    </message>
    <message>
        <source>The charges under the explanation are %1: the lender charged nothing on some of these dates.</source>
        <translation>De rente volgens de verklaring is in totaal %1: de geldverstrekker bracht op sommige van deze datums niets in rekening.</translation>
    </message>
    <message>
        <source>The charge under the explanation is %1: the lender charged nothing on this date.</source>
        <translation>De rente volgens de verklaring is %1: de geldverstrekker bracht op deze datum niets in rekening.</translation>
    </message>
    <message>
        <source>The charges under the explanation equal the lender&apos;s charges.</source>
        <translation>De rente volgens de verklaring is in totaal gelijk aan de geboekte rente van de geldverstrekker.</translation>
    </message>
    <message>
        <source>The charge under the explanation equals the lender&apos;s charge.</source>
        <translation>De rente volgens de verklaring is gelijk aan de geboekte rente van de geldverstrekker.</translation>
    </message>
    <message>
        <source>The charges under the explanation are %1 less than the lender&apos;s charges.</source>
        <translation>De rente volgens de verklaring is in totaal %1 minder dan de geboekte rente van de geldverstrekker.</translation>
    </message>
    <message>
        <source>The charge under the explanation is %1 less than the lender&apos;s charge.</source>
        <translation>De rente volgens de verklaring is %1 minder dan de geboekte rente van de geldverstrekker.</translation>
    </message>
    <message>
        <source>The charges under the explanation are %1 more than the lender&apos;s charges.</source>
        <translation>De rente volgens de verklaring is in totaal %1 meer dan de geboekte rente van de geldverstrekker.</translation>
    </message>
    <message>
        <source>The charge under the explanation is %1 more than the lender&apos;s charge.</source>
        <translation>De rente volgens de verklaring is %1 meer dan de geboekte rente van de geldverstrekker.</translation>
    </message>
    <message>
        <source>Over the span&apos;s posting: interest due %1, charges under the explanation %2, the lender&apos;s charges %3.</source>
        <translation>Over de renteboeking van de periode: verschuldigde rente %1, rente volgens de verklaring %2, geboekte rente van de geldverstrekker %3.</translation>
    </message>
    <message>
        <source>Over the span&apos;s %1 postings: interest due %2, charges under the explanation %3, the lender&apos;s charges %4.</source>
        <translation>Over de %1 renteboekingen van de periode: verschuldigde rente %2, rente volgens de verklaring %3, geboekte rente van de geldverstrekker %4.</translation>
    </message>
    <message>
        <source>Working of the explanation on %1 (posting %2 of %3)</source>
        <translation>Uitwerking van de verklaring op %1 (renteboeking %2 van %3)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Bearing, due</source>
        <translation>Rentedragend, verschuldigd</translation>
    </message>
    <message>
        <source>Rate, due</source>
        <translation>Percentage, verschuldigd</translation>
    </message>
    <message>
        <source>Interest, due</source>
        <translation>Rente, verschuldigd</translation>
    </message>
    <message>
        <source>Bearing, lender</source>
        <translation>Rentedragend, geldverstrekker</translation>
    </message>
    <message>
        <source>Rate, lender</source>
        <translation>Percentage, geldverstrekker</translation>
    </message>
    <message>
        <source>Interest, lender</source>
        <translation>Rente, geldverstrekker</translation>
    </message>
    <message>
        <source>Interest due (Int Due):</source>
        <translation>Verschuldigde rente (Versch. rente):</translation>
    </message>
    <message>
        <source>Charge under the explanation:</source>
        <translation>Rente volgens de verklaring:</translation>
    </message>
    <message>
        <source>Lender&apos;s charge (Int Charge):</source>
        <translation>Geboekte rente van de geldverstrekker (Geb. rente):</translation>
    </message>
    <message>
        <source>none on this date</source>
        <translation>geen op deze datum</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Save as PDF</source>
        <translation>Opslaan als pdf</translation>
    </message>
    <message>
        <source>Save as PDF Error: %1</source>
        <translation>Fout bij opslaan als PDF: %1</translation>
    </message>
</context>
<context>
    <name>FindMethodWindow</name>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>%1 (%2 a year)</source>
        <translation>%1 (%2 per jaar)</translation>
    </message>
    <message>
        <source>The method could not be applied: %1</source>
        <translation>De methode kon niet worden toegepast: %1</translation>
    </message>
    <message>
        <source>%1, %2 a year</source>
        <translation>%1, %2 per jaar</translation>
    </message>
    <message>
        <source>Find Lender&apos;s Method</source>
        <translation>Methode van de geldverstrekker zoeken</translation>
    </message>
    <message>
        <source>The ways of calculating that come closest to the interest your lender charged, best first. Choose one and Apply it to the account:</source>
        <translation>De rekenwijzen die het dichtst bij de rente komen die uw geldverstrekker in rekening bracht, de beste eerst. Kies er een en pas deze met Toepassen toe op de rekening:</translation>
    </message>
    <message>
        <source>Day</source>
        <extracomment>the calculation day of the month</extracomment>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>the interval on whose balance interest is worked</extracomment>
        <translation>Saldoberekening</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <source>Day Count</source>
        <translation>Dagtelling</translation>
    </message>
    <message>
        <source>Rounding</source>
        <translation>Afronding</translation>
    </message>
    <message>
        <source>Compounding</source>
        <translation>Rente-op-rente</translation>
    </message>
    <message>
        <source>Charges Matched</source>
        <translation>Overeenkomende boekingen</translation>
    </message>
    <message>
        <source>Total Difference</source>
        <translation>Totaal verschil</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>charges matched of the charges there are</extracomment>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>Tried %L1 ways of calculating; the best %2 are shown.</source>
        <translation>%L1 rekenwijzen geprobeerd; de beste %2 worden getoond.</translation>
    </message>
</context>
<context>
    <name>HistoryImport</name>
    <message>
        <source>the file states no balance: amounts as read</source>
        <translation>het bestand vermeldt geen saldo: bedragen zoals gelezen</translation>
    </message>
    <message>
        <source>the file&apos;s balances are mostly positive, so turned (a loan in debit is negative); its amounts then follow the balances with their sign turned, so they are kept</source>
        <translation>de saldi van het bestand zijn meestal positief, dus omgedraaid (een lening die debet staat, is negatief); de bedragen volgen dan de saldi met omgekeerd teken, dus ze worden behouden</translation>
    </message>
    <message>
        <source>the file&apos;s balances are mostly positive, so turned (a loan in debit is negative); its amounts then follow the balances as read, so they are turned</source>
        <translation>de saldi van het bestand zijn meestal positief, dus omgedraaid (een lening die debet staat, is negatief); de bedragen volgen dan de saldi zoals gelezen, dus ze worden omgedraaid</translation>
    </message>
    <message>
        <source>the file&apos;s balances are mostly negative, kept; its amounts then follow the balances with their sign turned, so they are turned</source>
        <translation>de saldi van het bestand zijn meestal negatief, dus behouden; de bedragen volgen dan de saldi met omgekeerd teken, dus ze worden omgedraaid</translation>
    </message>
    <message>
        <source>the file&apos;s balances are mostly negative, kept; its amounts then follow the balances as read, so they are kept</source>
        <translation>de saldi van het bestand zijn meestal negatief, dus behouden; de bedragen volgen dan de saldi zoals gelezen, dus ze worden behouden</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>klaar</translation>
    </message>
    <message>
        <source>already in the account</source>
        <translation>staat al in de rekening</translation>
    </message>
    <message>
        <source>balance break</source>
        <translation>saldo sluit niet aan</translation>
    </message>
    <message>
        <source>no balance to check</source>
        <translation>geen saldo om te controleren</translation>
    </message>
    <message>
        <source>balance break at line %1</source>
        <translation>saldo sluit niet aan bij regel %1</translation>
    </message>
    <message>
        <source>balance break: the amounts do not reach the closing balance</source>
        <translation>saldo sluit niet aan: de bedragen bereiken het eindsaldo niet</translation>
    </message>
    <message>
        <source>; starts with a balance row</source>
        <translation>; begint met een saldoregel</translation>
    </message>
    <message>
        <source>; %1 rows already in the history left out</source>
        <translation>; %1 rijen die al in de historie staan, weggelaten</translation>
    </message>
    <message>
        <source>; %1 rows on committed days not in the history left out</source>
        <translation>; %1 rijen op vastgelegde dagen die niet in de historie staan, weggelaten</translation>
    </message>
    <message>
        <source>; no interest charged</source>
        <translation>; geen rente in rekening gebracht</translation>
    </message>
    <message>
        <source>This file looks like an everyday account rather than the loan: no interest is charged in it, and it holds %1 card purchase(s). Check that it is the loan&apos;s export before you import it.</source>
        <translation>Dit bestand lijkt eerder van een betaalrekening dan van de lening te zijn: er wordt geen rente in rekening gebracht, en het bevat %1 kaartaankoop/-aankopen. Controleer of het de export van de lening is voordat u het importeert.</translation>
    </message>
    <message>
        <source>This file looks like an everyday account rather than the loan: no interest is charged in it. Check that it is the loan&apos;s export before you import it.</source>
        <translation>Dit bestand lijkt eerder van een betaalrekening dan van de lening te zijn: er wordt geen rente in rekening gebracht. Controleer of het de export van de lening is voordat u het importeert.</translation>
    </message>
    <message>
        <source>The file&apos;s amounts add up to more than a loan account can hold: it is not a loan&apos;s history.</source>
        <translation>De bedragen van het bestand tellen op tot meer dan een leningrekening kan bevatten: het is niet de historie van een lening.</translation>
    </message>
    <message>
        <source>The file&apos;s history</source>
        <translation>De historie van het bestand</translation>
    </message>
    <message>
        <source>the file states no balance and no opening balance is given</source>
        <translation>het bestand vermeldt geen saldo en er is geen beginsaldo opgegeven</translation>
    </message>
    <message>
        <source>statement %1 fails its closing checks</source>
        <translation>afschrift %1 doorstaat de controles van het eindsaldo niet</translation>
    </message>
    <message>
        <source>statement %1: %2</source>
        <translation>afschrift %1: %2</translation>
    </message>
    <message>
        <source>the file&apos;s layout cannot be remembered: %1</source>
        <translation>de indeling van het bestand kan niet worden onthouden: %1</translation>
    </message>
</context>
<context>
    <name>HistoryImportWindow</name>
    <message>
        <source>Import Bank History</source>
        <translation>Bankhistorie importeren</translation>
    </message>
    <message>
        <source>The account&apos;s history cannot be read: %1</source>
        <translation>De historie van de rekening kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Begin</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Einde</translation>
    </message>
    <message>
        <source>Opening</source>
        <extracomment>The statement&apos;s opening balance.</extracomment>
        <translation>Beginsaldo</translation>
    </message>
    <message>
        <source>Closing</source>
        <extracomment>The statement&apos;s closing balance.</extracomment>
        <translation>Eindsaldo</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Rijen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Statements</source>
        <translation>Afschriften</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Omschrijving</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Bedrag</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>The statement&apos;s rows</source>
        <translation>De rijen van het afschrift</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Elke maand</translation>
    </message>
    <message>
        <source>Every quarter</source>
        <translation>Elk kwartaal</translation>
    </message>
    <message>
        <source>Every half-year</source>
        <translation>Elk halfjaar</translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Elk jaar</translation>
    </message>
    <message>
        <source>On the lender&apos;s end dates</source>
        <translation>Op de einddatums van de geldverstrekker</translation>
    </message>
    <message>
        <source>&amp;Cut the history:</source>
        <translation>Historie &amp;opdelen:</translation>
    </message>
    <message>
        <source>the month&apos;s last</source>
        <extracomment>The cut day&apos;s value 0: periods end on the last day of each month.</extracomment>
        <translation>de laatste van de maand</translation>
    </message>
    <message>
        <source>Periods end on &amp;day:</source>
        <translation>Perioden eindigen op d&amp;ag:</translation>
    </message>
    <message>
        <source>The statements&apos; end dates, one a line or pasted as a list</source>
        <translation>De einddatums van de afschriften, één per regel of geplakt als lijst</translation>
    </message>
    <message>
        <source>Lender&apos;s &amp;end dates:</source>
        <translation>Eind&amp;datums van de geldverstrekker:</translation>
    </message>
    <message>
        <source>&amp;First statement number:</source>
        <translation>&amp;Eerste afschriftnummer:</translation>
    </message>
    <message>
        <source>only for a file without balances</source>
        <translation>alleen voor een bestand zonder saldi</translation>
    </message>
    <message>
        <source>&amp;Opening balance:</source>
        <translation>&amp;Beginsaldo:</translation>
    </message>
    <message>
        <source>the last statement&apos;s, to check the amounts</source>
        <translation>die van het laatste afschrift, om de bedragen te controleren</translation>
    </message>
    <message>
        <source>C&amp;losing balance:</source>
        <translation>Eindsa&amp;ldo:</translation>
    </message>
    <message>
        <source>Signs (a loan in debit is negative)</source>
        <translation>Tekens (een lening die debet staat, is negatief)</translation>
    </message>
    <message>
        <source>Turn the &amp;amounts&apos; sign</source>
        <translation>&amp;Teken van de bedragen omdraaien</translation>
    </message>
    <message>
        <source>Turn the &amp;balances&apos; sign</source>
        <translation>Teken van de &amp;saldi omdraaien</translation>
    </message>
    <message>
        <source>Line %1 does not read: %2</source>
        <translation>Regel %1 is niet leesbaar: %2</translation>
    </message>
    <message>
        <source>The file holds no transactions.</source>
        <translation>Het bestand bevat geen transacties.</translation>
    </message>
    <message>
        <source>Proposed: %1.</source>
        <translation>Voorgesteld: %1.</translation>
    </message>
    <message>
        <source>as you set them</source>
        <translation>zoals u ze hebt ingesteld</translation>
    </message>
    <message>
        <source>The signs are as you set them.</source>
        <translation>De tekens zijn zoals u ze hebt ingesteld.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date (%2).</source>
        <translation>&apos;%1&apos; is geen datum (%2).</translation>
    </message>
    <message>
        <source>Type or paste the lender&apos;s statement end dates.</source>
        <translation>Typ of plak de einddatums van de afschriften van de geldverstrekker.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not an amount.</source>
        <translation>%1 &apos;%2&apos; is geen bedrag.</translation>
    </message>
    <message>
        <source>%1 statements, %2 ready to import.</source>
        <translation>%1 afschriften, %2 klaar om te importeren.</translation>
    </message>
    <message>
        <source>No period of the file is complete yet.</source>
        <translation>Nog geen enkele periode van het bestand is volledig.</translation>
    </message>
    <message>
        <source>Note: %1.</source>
        <translation>Opmerking: %1.</translation>
    </message>
    <message>
        <source>1 row after the last complete period is left for the next import.</source>
        <translation>1 rij na de laatste volledige periode blijft over voor de volgende import.</translation>
    </message>
    <message>
        <source>%1 rows after the last complete period are left for the next import.</source>
        <translation>%1 rijen na de laatste volledige periode blijven over voor de volgende import.</translation>
    </message>
    <message>
        <source>%1

Import it all the same?</source>
        <translation>%1

Toch importeren?</translation>
    </message>
    <message>
        <source>No statement is ready: there is nothing to import.</source>
        <translation>Er is geen afschrift klaar: er is niets te importeren.</translation>
    </message>
    <message>
        <source>No copy of the account could be kept, so nothing was imported: %1</source>
        <translation>Er kon geen kopie van de rekening worden bewaard, dus er is niets geïmporteerd: %1</translation>
    </message>
    <message>
        <source>Import Error: nothing was imported: %1</source>
        <translation>Importfout: er is niets geïmporteerd: %1</translation>
    </message>
    <message>
        <source>%1 statements with %2 transactions were imported.</source>
        <translation>Er zijn %1 afschriften met %2 transacties geïmporteerd.</translation>
    </message>
    <message>
        <source>The account as it was before the import is kept as %1.</source>
        <translation>De rekening zoals die vóór de import was, is bewaard als %1.</translation>
    </message>
    <message>
        <source>The bank&apos;s file holds no interest rates: enter the rate periods from %1 to %2, or read them from the lender&apos;s charges with Propose from Charges….</source>
        <translation>Het bankbestand bevat geen rentepercentages: voer de renteperioden van %1 tot %2 in, of leid ze af uit de geboekte rente van de geldverstrekker met Voorstellen uit geboekte rente….</translation>
    </message>
</context>
<context>
    <name>HistorySpan</name>
    <message>
        <source>%1 runs from %2 to %3: more than %4 years, longer than any loan. Correct the dates that are wrong and try again.</source>
        <translation>%1 loopt van %2 tot %3: meer dan %4 jaar, langer dan welke lening ook. Corrigeer de datums die niet kloppen en probeer het opnieuw.</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>Import Transactions</source>
        <translation>Transacties importeren</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Kolom</translation>
    </message>
    <message>
        <source>The statement&apos;s transactions cannot be read: %1</source>
        <translation>De transacties van het afschrift kunnen niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>Column r&amp;ules (word = column):</source>
        <translation>Kolom&amp;regels (woord = kolom):</translation>
    </message>
    <message>
        <source>Column rules</source>
        <translation>Kolomregels</translation>
    </message>
    <message>
        <source>%1 of %2 rows ticked.</source>
        <translation>%1 van %2 rijen aangevinkt.</translation>
    </message>
    <message>
        <source>Line %1 does not read; untick it to import the other rows.</source>
        <translation>Regel %1 is niet leesbaar; vink deze uit om de andere rijen te importeren.</translation>
    </message>
    <message>
        <source>The file&apos;s balances agree with the running balance.</source>
        <translation>De saldi van het bestand komen overeen met het lopende saldo.</translation>
    </message>
    <message>
        <source>The file&apos;s balance parts from the running balance at line %1.</source>
        <translation>Het saldo van het bestand wijkt bij regel %1 af van het lopende saldo.</translation>
    </message>
    <message>
        <source>With the ticked rows the statement reaches its closing balance, %1.</source>
        <translation>Met de aangevinkte rijen bereikt het afschrift het eindsaldo, %1.</translation>
    </message>
    <message>
        <source>With the ticked rows the statement reaches %1; its closing balance is %2.</source>
        <translation>Met de aangevinkte rijen komt het afschrift op %1; het eindsaldo is %2.</translation>
    </message>
    <message>
        <source>Line %1 does not read: %2
Untick it to import the other rows.</source>
        <translation>Regel %1 is niet leesbaar: %2
Vink deze uit om de andere rijen te importeren.</translation>
    </message>
    <message>
        <source>No row is ticked: there is nothing to import.</source>
        <translation>Er is geen rij aangevinkt: er is niets te importeren.</translation>
    </message>
    <message>
        <source>Import Error: %1</source>
        <translation>Importfout: %1</translation>
    </message>
</context>
<context>
    <name>ImportPreview</name>
    <message>
        <source>Outside the statement&apos;s dates (%1 to %2).</source>
        <translation>Buiten de datums van het afschrift (%1 tot %2).</translation>
    </message>
    <message>
        <source>Pending: no date yet</source>
        <translation>In behandeling: nog geen datum</translation>
    </message>
    <message>
        <source>The amount is 0: the row moves no money.</source>
        <translation>Het bedrag is 0: de rij verplaatst geen geld.</translation>
    </message>
    <message>
        <source>The bank cancels its transaction %1 of an earlier file; if it was entered, delete it by hand.</source>
        <translation>De bank annuleert haar transactie %1 uit een eerder bestand; als deze was ingevoerd, verwijder haar dan met de hand.</translation>
    </message>
    <message>
        <source>The bank corrects its transaction %1 of an earlier file, which the account holds: change it by hand instead.</source>
        <translation>De bank corrigeert haar transactie %1 uit een eerder bestand, die al in de rekening staat: wijzig deze in plaats daarvan met de hand.</translation>
    </message>
    <message>
        <source>Already in the statement.</source>
        <translation>Staat al in het afschrift.</translation>
    </message>
    <message>
        <source>Already in the account&apos;s history.</source>
        <translation>Staat al in de historie van de rekening.</translation>
    </message>
    <message>
        <source>The file&apos;s balance %1 parts here from the running balance %2.</source>
        <translation>Het saldo %1 van het bestand wijkt hier af van het lopende saldo %2.</translation>
    </message>
    <message>
        <source>The amounts are read with their sign turned: the statement reaches its closing balance with them that way.</source>
        <translation>De bedragen worden met omgekeerd teken gelezen: zo bereikt het afschrift er zijn eindsaldo mee.</translation>
    </message>
    <message>
        <source>The amounts are read with their sign turned: the file&apos;s balances agree with the statement&apos;s that way.</source>
        <translation>De bedragen worden met omgekeerd teken gelezen: zo komen de saldi van het bestand overeen met die van het afschrift.</translation>
    </message>
</context>
<context>
    <name>ImportRowsModel</name>
    <message>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Omschrijving</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Bedrag</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Kolom</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Reden</translation>
    </message>
</context>
<context>
    <name>ImportSession</name>
    <message>
        <source> or </source>
        <extracomment>Joins the names of the file&apos;s other date columns: &quot;Date&quot; or &quot;Posted&quot;.</extracomment>
        <translation> of </translation>
    </message>
    <message>
        <source>The rows are dated by their value date, &quot;%1&quot;, which interest follows, not by %2.</source>
        <translation>De rijen zijn gedateerd met hun valutadatum, &quot;%1&quot;, waarnaar de rente zich richt, niet met %2.</translation>
    </message>
    <message>
        <source>The rows are dated by &quot;%1&quot;, not by %2.</source>
        <translation>De rijen zijn gedateerd met &quot;%1&quot;, niet met %2.</translation>
    </message>
    <message>
        <source>Each entry is dated by its value date, from which interest runs.</source>
        <translation>Elke boeking is gedateerd op haar valutadatum, vanaf wanneer de rente loopt.</translation>
    </message>
    <message>
        <source>The entries are dated by their booking date: the file gives no value date.</source>
        <translation>De boekingen zijn gedateerd op hun boekdatum: het bestand geeft geen valutadatum.</translation>
    </message>
    <message>
        <source>%1 of the %2 entries are dated by their value date, from which interest runs; the others by their booking date.</source>
        <translation>%1 van de %2 boekingen zijn gedateerd op hun valutadatum, vanaf wanneer de rente loopt; de andere op hun boekdatum.</translation>
    </message>
</context>
<context>
    <name>ImportSteps</name>
    <message>
        <source>(no name)</source>
        <translation>(geen naam)</translation>
    </message>
    <message>
        <source>no type</source>
        <translation>geen type</translation>
    </message>
    <message>
        <source>%1 (%2, %3 rows)</source>
        <extracomment>An account of a QIF file: its name, its type and its number of rows</extracomment>
        <translation>%1 (%2, %3 rijen)</translation>
    </message>
    <message>
        <source>%1 holds several accounts. Which one do you import?</source>
        <translation>%1 bevat meerdere rekeningen. Welke wilt u importeren?</translation>
    </message>
    <message>
        <source>%1 cannot be imported. %2</source>
        <translation>%1 kan niet worden geïmporteerd. %2</translation>
    </message>
    <message>
        <source>The dates of this file read both with the day first and with the month first.
Are the days first, as in 31/01/2024?</source>
        <translation>De datums van dit bestand zijn leesbaar met zowel de dag eerst als de maand eerst.
Staan de dagen eerst, zoals in 31/01/2024?</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importeren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>ImportWriter</name>
    <message>
        <source>Line %1 does not read: %2</source>
        <translation>Regel %1 is niet leesbaar: %2</translation>
    </message>
    <message>
        <source>An amount of the row of %1 cannot be read.</source>
        <translation>Een bedrag in de rij van %1 kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The running balance leaves the range of amounts.</source>
        <translation>Het lopende saldo valt buiten het bereik van bedragen.</translation>
    </message>
</context>
<context>
    <name>InterestEngine</name>
    <message>
        <source>Transaction date error. %1 record(s) without a date were left out of the calculation. Please check all dates.</source>
        <translation>Fout in een transactiedatum. %1 record(s) zonder datum zijn buiten de berekening gelaten. Controleer alle datums.</translation>
    </message>
    <message>
        <source>The interest due from %1 is more than an account can hold: the account cannot be calculated from there.</source>
        <translation>De verschuldigde rente vanaf %1 is groter dan een rekening kan bevatten: de rekening kan vanaf daar niet worden berekend.</translation>
    </message>
    <message>
        <source>Interest date error. Please check all dates.</source>
        <translation>Fout in een rentedatum. Controleer alle datums.</translation>
    </message>
</context>
<context>
    <name>InterestMethod</name>
    <message>
        <source>Fixed Day</source>
        <translation>Vaste dag</translation>
    </message>
    <message>
        <source>Fixed Day, Deferred Interest</source>
        <translation>Vaste dag, uitgestelde rente</translation>
    </message>
    <message>
        <source>Variable Day</source>
        <translation>Variabele dag</translation>
    </message>
    <message>
        <source>Variable Day, Deferred Interest</source>
        <translation>Variabele dag, uitgestelde rente</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>System</source>
        <translation>Systeem</translation>
    </message>
</context>
<context>
    <name>LenderFit</name>
    <message>
        <source>The history holds no interest charged by the lender, so there is nothing to compare with.</source>
        <translation>De historie bevat geen door de geldverstrekker in rekening gebrachte rente, dus er is niets om mee te vergelijken.</translation>
    </message>
</context>
<context>
    <name>LoanSet</name>
    <message>
        <source>The loan set needs a name.</source>
        <translation>De leningset heeft een naam nodig.</translation>
    </message>
    <message>
        <source>The loan set needs at least one part.</source>
        <translation>De leningset heeft minstens één leningdeel nodig.</translation>
    </message>
    <message>
        <source>A loan set has at most %1 parts.</source>
        <translation>Een leningset heeft hoogstens %1 leningdelen.</translation>
    </message>
    <message>
        <source>Each part needs a name and an account file.</source>
        <translation>Elk leningdeel heeft een naam en een rekeningbestand nodig.</translation>
    </message>
    <message>
        <source>Two parts are named &quot;%1&quot;.</source>
        <translation>Twee leningdelen heten &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Two parts name the account &quot;%1&quot;.</source>
        <translation>Twee leningdelen noemen de rekening &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a loan set: %2</source>
        <translation>&apos;%1&apos; is geen leningset: %2</translation>
    </message>
    <message>
        <source>it cannot be read.</source>
        <translation>het kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>it is larger than any loan set.</source>
        <translation>het is groter dan welke leningset ook.</translation>
    </message>
    <message>
        <source>it is not JSON text of an object.</source>
        <translation>het is geen JSON-tekst van een object.</translation>
    </message>
    <message>
        <source>it does not say it is one.</source>
        <translation>het geeft niet aan dat het er een is.</translation>
    </message>
    <message>
        <source>it is of a version this program does not read.</source>
        <translation>het is van een versie die dit programma niet leest.</translation>
    </message>
    <message>
        <source>a part is not a name, an account file and a method of 0 to 3.</source>
        <translation>een leningdeel bestaat niet uit een naam, een rekeningbestand en een methode van 0 tot 3.</translation>
    </message>
</context>
<context>
    <name>LoanSetCommands</name>
    <message>
        <source>Loan Set</source>
        <extracomment>The kind of file a file dialog lists: the loan sets</extracomment>
        <translation>Leningset</translation>
    </message>
    <message>
        <source>Open Loan Set</source>
        <translation>Leningset openen</translation>
    </message>
    <message>
        <source>Save Loan Set</source>
        <translation>Leningset opslaan</translation>
    </message>
    <message>
        <source>Add Part</source>
        <translation>Leningdeel toevoegen</translation>
    </message>
</context>
<context>
    <name>LoanSetWindow</name>
    <message>
        <source>Loan Set</source>
        <translation>Leningset</translation>
    </message>
    <message>
        <source>&amp;Name of the loan set:</source>
        <translation>&amp;Naam van de leningset:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Account file</source>
        <translation>Rekeningbestand</translation>
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
        <translation>Leningdelen</translation>
    </message>
    <message>
        <source>&amp;Parts of the loan:</source>
        <translation>&amp;Leningdelen:</translation>
    </message>
    <message>
        <source>&amp;Add Part…</source>
        <translation>Leningdeel &amp;toevoegen…</translation>
    </message>
    <message>
        <source>&amp;Remove Part</source>
        <translation>Leningdeel &amp;verwijderen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>&amp;Controleren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Ontbreekt</translation>
    </message>
    <message>
        <source>Not an account</source>
        <translation>Geen rekening</translation>
    </message>
    <message>
        <source>%1 is not an account: %2</source>
        <translation>%1 is geen rekening: %2</translation>
    </message>
    <message>
        <source>Name of the part:</source>
        <translation>Naam van het leningdeel:</translation>
    </message>
    <message>
        <source>This file is not a loan set, and is not written over: save the set under another name from New Loan Set.</source>
        <translation>Dit bestand is geen leningset en wordt niet overschreven: sla de set onder een andere naam op via Nieuwe leningset.</translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New Loan Account</source>
        <translation>&amp;Nieuwe leningrekening</translation>
    </message>
    <message>
        <source>&amp;Open Loan Account</source>
        <translation>Leningrekening &amp;openen</translation>
    </message>
    <message>
        <source>Open Loan &amp;Set…</source>
        <translation>Leningset o&amp;penen…</translation>
    </message>
    <message>
        <source>New &amp;Loan Set…</source>
        <translation>Nieuwe &amp;leningset…</translation>
    </message>
    <message>
        <source>&amp;Edit Loan Set…</source>
        <translation>Leningset &amp;bewerken…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Lender</source>
        <translation>Geld&amp;verstrekker</translation>
    </message>
    <message>
        <source>Lender&apos;s &amp;Conventions</source>
        <translation>&amp;Rekenregels van de geldverstrekker</translation>
    </message>
    <message>
        <source>&amp;Find Lender&apos;s Method</source>
        <translation>Methode van de geldverstrekker &amp;zoeken</translation>
    </message>
    <message>
        <source>&amp;Offset Account</source>
        <translation>&amp;Compensatierekening</translation>
    </message>
    <message>
        <source>Rate &amp;Terms</source>
        <translation>Rente&amp;voorwaarden</translation>
    </message>
    <message>
        <source>Re&amp;payment Terms</source>
        <translation>&amp;Aflossingsvoorwaarden</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importeren</translation>
    </message>
    <message>
        <source>&amp;Check a Loan from the Bank&apos;s File…</source>
        <translation>Lening &amp;controleren uit het bankbestand…</translation>
    </message>
    <message>
        <source>Check a S&amp;plit Loan…</source>
        <translation>&amp;Gesplitste lening controleren…</translation>
    </message>
    <message>
        <source>&amp;New Account from Bank History…</source>
        <translation>&amp;Nieuwe rekening uit bankhistorie…</translation>
    </message>
    <message>
        <source>&amp;Statements from Bank History…</source>
        <translation>&amp;Afschriften uit bankhistorie…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Aan de slag</translation>
    </message>
    <message>
        <source>Interest Calculation Method</source>
        <translation>Renteberekeningsmethode</translation>
    </message>
    <message>
        <source>What Do I Do Now?</source>
        <translation>Wat moet ik nu doen?</translation>
    </message>
    <message>
        <source>&amp;Language…</source>
        <translation>&amp;Taal…</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Language of the windows (from the next start):</source>
        <translation>Taal van de vensters (vanaf de volgende start):</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>The language could not be kept for the next start.</source>
        <translation>De taal kon niet worden bewaard voor de volgende start.</translation>
    </message>
    <message>
        <source>The language takes effect the next time Vantrell starts.</source>
        <translation>De taal gaat in wanneer Vantrell de volgende keer start.</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <source>New Loan Account</source>
        <translation>Nieuwe leningrekening</translation>
    </message>
    <message>
        <source>Open Loan Account</source>
        <translation>Leningrekening openen</translation>
    </message>
</context>
<context>
    <name>Mt940Reader</name>
    <message>
        <source>The date &quot;%1&quot; does not read.</source>
        <translation>De datum &quot;%1&quot; is niet leesbaar.</translation>
    </message>
    <message>
        <source>The entry &quot;%1&quot; has no mark C, D, RC or RD after its date.</source>
        <translation>De boeking &quot;%1&quot; heeft na haar datum geen teken C, D, RC of RD.</translation>
    </message>
    <message>
        <source>The amount &quot;%1&quot; does not read.</source>
        <translation>Het bedrag &quot;%1&quot; is niet leesbaar.</translation>
    </message>
    <message>
        <source>An interim report of the day: not booked yet.</source>
        <translation>Een tussentijds rapport van de dag: nog niet geboekt.</translation>
    </message>
    <message>
        <source>The statement %1 on line %2 states a closing balance of %3, but its entries add up to more than an account holds.</source>
        <translation>Het afschrift %1 op regel %2 vermeldt een eindsaldo van %3, maar zijn boekingen tellen op tot meer dan een rekening kan bevatten.</translation>
    </message>
    <message>
        <source>The statement %1 on line %2 states a closing balance of %3, but its entries take its opening balance of %4 to %5.</source>
        <translation>Het afschrift %1 op regel %2 vermeldt een eindsaldo van %3, maar zijn boekingen brengen zijn beginsaldo van %4 op %5.</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(geen naam)</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB: no bank statement is that long.</source>
        <translation>Het bestand is groter dan %1 MB: geen bankafschrift is zo lang.</translation>
    </message>
    <message>
        <source>This is not an MT940 file: it has no &quot;:25:&quot; account field followed by balance or entry fields.</source>
        <translation>Dit is geen MT940-bestand: het heeft geen rekeningveld &quot;:25:&quot; gevolgd door saldo- of boekingsvelden.</translation>
    </message>
    <message>
        <source>The file holds more than %1 entries: no bank statement is that long.</source>
        <translation>Het bestand bevat meer dan %1 boekingen: geen bankafschrift is zo lang.</translation>
    </message>
    <message>
        <source>The file has no such account.</source>
        <translation>Het bestand bevat deze rekening niet.</translation>
    </message>
    <message>
        <source>The account %1 has no entries in the file.</source>
        <translation>De rekening %1 heeft geen boekingen in het bestand.</translation>
    </message>
    <message>
        <source>The file has no entries.</source>
        <translation>Het bestand heeft geen boekingen.</translation>
    </message>
</context>
<context>
    <name>OffsetImport</name>
    <message>
        <source>The balances run beyond the largest amount the program can hold; the file cannot be read as balances.</source>
        <translation>De saldi gaan voorbij het grootste bedrag dat het programma kan bevatten; het bestand kan niet als saldi worden gelezen.</translation>
    </message>
</context>
<context>
    <name>OffsetImportDialog</name>
    <message>
        <source>Import Offset Balances</source>
        <translation>Saldi van de compensatierekening importeren</translation>
    </message>
    <message>
        <source>The file states no balances: type the offset account&apos;s balance before its first transaction as the opening balance.</source>
        <translation>Het bestand vermeldt geen saldi: typ het saldo van de compensatierekening vóór de eerste transactie als beginsaldo.</translation>
    </message>
    <message>
        <source>The opening balance &quot;%1&quot; does not read as an amount of money, such as 1,234.56 or -25.00.</source>
        <translation>Het beginsaldo &quot;%1&quot; is niet leesbaar als geldbedrag, zoals 1,234.56 of -25.00.</translation>
    </message>
    <message>
        <source>The balances were imported, but the file&apos;s layout could not be remembered: %1</source>
        <translation>De saldi zijn geïmporteerd, maar de indeling van het bestand kon niet worden onthouden: %1</translation>
    </message>
    <message>
        <source>The offset account&apos;s balances cannot be read: %1</source>
        <translation>De saldi van de compensatierekening kunnen niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>&amp;Opening balance:</source>
        <translation>&amp;Beginsaldo:</translation>
    </message>
    <message>
        <source>Opening balance</source>
        <translation>Beginsaldo</translation>
    </message>
    <message>
        <source>Balances at the end of each day</source>
        <translation>Saldi aan het eind van elke dag</translation>
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
        <translation>Al opgeslagen</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>a day&apos;s balance the account does not hold yet</extracomment>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>%1 days: %2 new, %3 already stored.</source>
        <translation>%1 dagen: %2 nieuw, %3 al opgeslagen.</translation>
    </message>
    <message>
        <source>1 row of the file do not read and are left out.</source>
        <translation>1 rij van het bestand is niet leesbaar en wordt weggelaten.</translation>
    </message>
    <message>
        <source>%1 rows of the file do not read and are left out.</source>
        <translation>%1 rijen van het bestand zijn niet leesbaar en worden weggelaten.</translation>
    </message>
    <message>
        <source>1 row without a date yet (pending) are left out.</source>
        <translation>1 rij zonder datum (nog in behandeling) wordt weggelaten.</translation>
    </message>
    <message>
        <source>%1 rows without a date yet (pending) are left out.</source>
        <translation>%1 rijen zonder datum (nog in behandeling) worden weggelaten.</translation>
    </message>
    <message>
        <source>1 row before the file&apos;s first balance are left out: the balance of their days is not known.</source>
        <translation>1 rij vóór het eerste saldo van het bestand wordt weggelaten: het saldo van die dag is niet bekend.</translation>
    </message>
    <message>
        <source>%1 rows before the file&apos;s first balance are left out: the balance of their days is not known.</source>
        <translation>%1 rijen vóór het eerste saldo van het bestand worden weggelaten: het saldo van hun dagen is niet bekend.</translation>
    </message>
    <message>
        <source>The file does not read in this layout: %1</source>
        <translation>Het bestand is niet leesbaar in deze indeling: %1</translation>
    </message>
    <message>
        <source>The file gives no day&apos;s balance: there is nothing to import.</source>
        <translation>Het bestand geeft van geen enkele dag een saldo: er is niets te importeren.</translation>
    </message>
    <message>
        <source>Every day of the file already has a balance in the account: there is nothing to import.</source>
        <translation>Elke dag van het bestand heeft al een saldo in de rekening: er is niets te importeren.</translation>
    </message>
    <message>
        <source>Import Error: %1</source>
        <translation>Importfout: %1</translation>
    </message>
</context>
<context>
    <name>OffsetWindow</name>
    <message>
        <source>Offset account balances</source>
        <translation>Saldi van de compensatierekening</translation>
    </message>
    <message>
        <source>This loan has an &amp;offset account</source>
        <translation>Deze lening heeft een &amp;compensatierekening</translation>
    </message>
    <message>
        <source>&amp;Share that counts (%):</source>
        <translation>&amp;Deel dat meetelt (%):</translation>
    </message>
    <message>
        <source>Share that counts (%)</source>
        <translation>Deel dat meetelt (%)</translation>
    </message>
    <message>
        <source>&amp;Balances at the end of each day:</source>
        <translation>&amp;Saldi aan het eind van elke dag:</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importeren...</translation>
    </message>
    <message>
        <source>Offset Account</source>
        <translation>Compensatierekening</translation>
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
        <translation>Een compensatierekening is een betaalrekening waarvan de geldverstrekker het saldo verrekent met dat van de lening voordat hij de rente berekent. Voer het saldo in aan het eind van elke dag waarop het veranderde (elk saldo geldt tot het volgende), of importeer de saldi uit het bankbestand.</translation>
    </message>
    <message>
        <source>The offset account&apos;s settings could not be stored: %1</source>
        <translation>De instellingen van de compensatierekening konden niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a share that can count. Type a per cent from 0 to 100 with at most two decimals, such as 100, 40 or 33.5. The share stays %2 %.</source>
        <translation>&quot;%1&quot; is geen deel dat kan meetellen. Typ een percentage van 0 tot 100 met hoogstens twee decimalen, zoals 100, 40 of 33.5. Het deel blijft %2 %.</translation>
    </message>
    <message>
        <source>Delete the balance of %1 (%2)?</source>
        <translation>Het saldo van %1 (%2) verwijderen?</translation>
    </message>
</context>
<context>
    <name>OfxChild</name>
    <message>
        <source>The OFX reader %1 is missing from the program&apos;s folder: install Vantrell again.</source>
        <translation>De OFX-lezer %1 ontbreekt in de programmamap: installeer Vantrell opnieuw.</translation>
    </message>
    <message>
        <source>The file could not be prepared for reading: %1</source>
        <translation>Het bestand kon niet worden voorbereid om te lezen: %1</translation>
    </message>
    <message>
        <source>The OFX reader %1 could not be started: %2</source>
        <translation>De OFX-lezer %1 kon niet worden gestart: %2</translation>
    </message>
    <message>
        <source>The reading of the file was cancelled.</source>
        <translation>Het lezen van het bestand is geannuleerd.</translation>
    </message>
    <message>
        <source>The file could not be read: its OFX reader stopped (%1).</source>
        <translation>Het bestand kon niet worden gelezen: de OFX-lezer ervan stopte (%1).</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>afsluitcode %1</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>vastgelopen</translation>
    </message>
    <message>
        <source>The file could not be read: its OFX reader&apos;s answer does not read.</source>
        <translation>Het bestand kon niet worden gelezen: het antwoord van de OFX-lezer is niet leesbaar.</translation>
    </message>
    <message>
        <source>The file could not be read in time: its reading had not finished after %1 seconds. The file may be damaged, or far larger than a statement.</source>
        <translation>Het bestand kon niet op tijd worden gelezen: het lezen was na %1 seconden nog niet klaar. Het bestand is mogelijk beschadigd, of veel groter dan een afschrift.</translation>
    </message>
</context>
<context>
    <name>OfxReader</name>
    <message>
        <source>The file could not be prepared for reading: %1</source>
        <translation>Het bestand kon niet worden voorbereid om te lezen: %1</translation>
    </message>
    <message>
        <source>The transaction has no posting date.</source>
        <translation>De transactie heeft geen boekingsdatum.</translation>
    </message>
    <message>
        <source>The posting date &quot;%1&quot; does not read.</source>
        <translation>De boekingsdatum &quot;%1&quot; is niet leesbaar.</translation>
    </message>
    <message>
        <source>The transaction&apos;s posting date does not read.</source>
        <translation>De boekingsdatum van de transactie is niet leesbaar.</translation>
    </message>
    <message>
        <source>The transaction has no amount that reads.</source>
        <translation>De transactie heeft geen leesbaar bedrag.</translation>
    </message>
    <message>
        <source>This is not an OFX file: it has no &lt;OFX&gt; element.</source>
        <translation>Dit is geen OFX-bestand: het heeft geen element &lt;OFX&gt;.</translation>
    </message>
    <message>
        <source>Only %1 of the file&apos;s %2 transactions read; the first that did not may start on this line.</source>
        <translation>Slechts %1 van de %2 transacties van het bestand zijn leesbaar; de eerste die dat niet was, begint mogelijk op deze regel.</translation>
    </message>
    <message>
        <source>The file ends before its closing &lt;/OFX&gt;: it is cut short.</source>
        <translation>Het bestand eindigt vóór de afsluitende &lt;/OFX&gt;: het is afgebroken.</translation>
    </message>
    <message>
        <source>The file has no transactions.</source>
        <translation>Het bestand bevat geen transacties.</translation>
    </message>
    <message>
        <source>The bank&apos;s file reports an error: %1</source>
        <translation>Het bankbestand meldt een fout: %1</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>Cannot write &apos;%1&apos;: %2</source>
        <translation>Kan &apos;%1&apos; niet schrijven: %2</translation>
    </message>
    <message>
        <source>Cannot write a file without a name.</source>
        <translation>Kan geen bestand zonder naam schrijven.</translation>
    </message>
    <message>
        <source>it is a link to the account &apos;%1&apos;, which is never written over.</source>
        <translation>het is een koppeling naar de rekening &apos;%1&apos;, die nooit wordt overschreven.</translation>
    </message>
    <message>
        <source>it is the account itself, which is never written over.</source>
        <translation>het is de rekening zelf, die nooit wordt overschreven.</translation>
    </message>
    <message>
        <source>it is a symbolic link, and nothing is written through one: name the file itself.</source>
        <translation>het is een symbolische koppeling, en via een koppeling wordt niets geschreven: geef het bestand zelf op.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>het is een map.</translation>
    </message>
    <message>
        <source>it is not a regular file (a pipe, a device or a socket), and is never replaced.</source>
        <translation>het is geen gewoon bestand (een pipe, een apparaat of een socket), en wordt nooit vervangen.</translation>
    </message>
    <message>
        <source>it is an account file, which is never written over.</source>
        <translation>het is een rekeningbestand, dat nooit wordt overschreven.</translation>
    </message>
    <message>
        <source>it names the same file as &apos;%1&apos;, and each output needs a file of its own.</source>
        <translation>het verwijst naar hetzelfde bestand als &apos;%1&apos;, en elke uitvoer heeft een eigen bestand nodig.</translation>
    </message>
</context>
<context>
    <name>PartImport</name>
    <message>
        <source>%1 holds several accounts: import it with the history import, which asks which one</source>
        <translation>%1 bevat meerdere rekeningen: importeer het met de import van de bankhistorie, die vraagt welke</translation>
    </message>
    <message>
        <source>line %1 of %2 does not read: %3</source>
        <translation>regel %1 van %2 is niet leesbaar: %3</translation>
    </message>
    <message>
        <source>the account&apos;s history cannot be read: %1</source>
        <translation>de historie van de rekening kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>%1 was not imported</source>
        <translation>%1 is niet geïmporteerd</translation>
    </message>
    <message>
        <source>%1 holds no complete statement to import</source>
        <translation>%1 bevat geen volledig afschrift om te importeren</translation>
    </message>
    <message>
        <source>nothing written: %1</source>
        <translation>niets geschreven: %1</translation>
    </message>
    <message>
        <source>the rates cannot be proposed: %1</source>
        <translation>de rentepercentages kunnen niet worden voorgesteld: %1</translation>
    </message>
    <message>
        <source>the rates proposed cannot be stored: %1</source>
        <translation>de voorgestelde rentepercentages kunnen niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>%1 exists already</source>
        <translation>%1 bestaat al</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>%1 kan niet worden gemaakt: %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kan niet worden geopend: %2</translation>
    </message>
</context>
<context>
    <name>PassOn</name>
    <message>
        <source>The costs are not worked out: the series changes %1 times within a history of %2 rows, and %3 million changes times rows is the most whose costs are worked out.</source>
        <translation>De kosten worden niet berekend: de reeks wijzigt %1 keer binnen een historie van %2 rijen, en %3 miljoen wijzigingen maal rijen is het maximum waarvoor de kosten worden berekend.</translation>
    </message>
    <message>
        <source>The costs cannot be worked out: the stored rate periods do not give the interest due over the whole history.</source>
        <translation>De kosten kunnen niet worden berekend: de opgeslagen renteperioden geven niet de verschuldigde rente over de hele historie.</translation>
    </message>
    <message>
        <source>The cost of the change of %1 cannot be worked out.</source>
        <translation>De kosten van de wijziging van %1 kunnen niet worden berekend.</translation>
    </message>
    <message>
        <source>The cost of every change passed on in full cannot be worked out: it is more than an account can hold.</source>
        <translation>De kosten als elke wijziging volledig was doorgevoerd, kunnen niet worden berekend: ze zijn groter dan een rekening kan bevatten.</translation>
    </message>
</context>
<context>
    <name>Payoff</name>
    <message>
        <source>No repayment was taken from the history: the projection goes on at the repayment the terms require.</source>
        <translation>Er is geen termijn uit de historie overgenomen: de prognose gaat verder met de termijn die de voorwaarden vereisen.</translation>
    </message>
    <message>
        <source>No rate period covers the history&apos;s last day: nothing can be projected past it.</source>
        <translation>Geen enkele renteperiode dekt de laatste dag van de historie: er kan niets voorbij die dag worden doorgerekend.</translation>
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
        <translation>Overheidsheffing:</translation>
    </message>
    <message>
        <source>Bank Charge:</source>
        <translation>Bankkosten:</translation>
    </message>
    <message>
        <source>Withdrawal:</source>
        <translation>Opname:</translation>
    </message>
    <message>
        <source>Deposit:</source>
        <translation>Storting:</translation>
    </message>
    <message>
        <source>Interest Paid:</source>
        <translation>Geboekte rente:</translation>
    </message>
    <message>
        <source>Interest Due:</source>
        <translation>Verschuldigde rente:</translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>Saldo:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Compensatie:</translation>
    </message>
    <message>
        <source>Errors and Omissions Excluded.</source>
        <translation>Vergissingen en weglatingen voorbehouden.</translation>
    </message>
    <message>
        <source>If any statements have not been included in this report the calculated interest due for these periods will not be accurate.</source>
        <translation>Als er afschriften niet in dit rapport zijn opgenomen, is de berekende verschuldigde rente voor die perioden niet nauwkeurig.</translation>
    </message>
    <message>
        <source>Page %1 of %2 Pages</source>
        <translation>Pagina %1 van %2</translation>
    </message>
    <message>
        <source>Printed on %1</source>
        <translation>Afgedrukt op %1</translation>
    </message>
    <message>
        <source>overflow</source>
        <extracomment>A total too large to show</extracomment>
        <translation>overloop</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (vervolg)</translation>
    </message>
    <message>
        <source>The page has no room to print on.</source>
        <translation>De pagina heeft geen ruimte om op af te drukken.</translation>
    </message>
    <message>
        <source>The report could not be sent to the printer or file.</source>
        <translation>Het rapport kon niet naar de printer of het bestand worden gestuurd.</translation>
    </message>
    <message>
        <source>The printer or file took no further page.</source>
        <translation>De printer of het bestand nam geen volgende pagina meer aan.</translation>
    </message>
    <message>
        <source>The report could not be finished on the printer or file.</source>
        <translation>Het rapport kon niet worden voltooid op de printer of in het bestand.</translation>
    </message>
    <message>
        <source>The pages could not be finished on the printer or file.</source>
        <translation>De pagina&apos;s konden niet worden voltooid op de printer of in het bestand.</translation>
    </message>
    <message>
        <source>Vantrell Report</source>
        <translation>Vantrell-rapport</translation>
    </message>
</context>
<context>
    <name>QifReader</name>
    <message>
        <source>(no name)</source>
        <translation>(geen naam)</translation>
    </message>
    <message>
        <source>The file ends inside this transaction, before its &quot;^&quot;: it is cut short.</source>
        <translation>Het bestand eindigt midden in deze transactie, vóór de &quot;^&quot;: het is afgebroken.</translation>
    </message>
    <message>
        <source>The transaction has no date (no &quot;D&quot; line).</source>
        <translation>De transactie heeft geen datum (geen &quot;D&quot;-regel).</translation>
    </message>
    <message>
        <source>The transaction has no amount (no &quot;T&quot; line).</source>
        <translation>De transactie heeft geen bedrag (geen &quot;T&quot;-regel).</translation>
    </message>
    <message>
        <source>The date &quot;%1&quot; does not read.</source>
        <translation>De datum &quot;%1&quot; is niet leesbaar.</translation>
    </message>
    <message>
        <source>The amount &quot;%1&quot; does not read.</source>
        <translation>Het bedrag &quot;%1&quot; is niet leesbaar.</translation>
    </message>
    <message>
        <source>The file has no such account.</source>
        <translation>Het bestand bevat deze rekening niet.</translation>
    </message>
    <message>
        <source>The account %1 has no bank transactions in the file.</source>
        <translation>De rekening %1 heeft geen banktransacties in het bestand.</translation>
    </message>
    <message>
        <source>The file holds the transactions of %1 accounts (%2); one of them has to be chosen.</source>
        <translation>Het bestand bevat de transacties van %1 rekeningen (%2); er moet er een worden gekozen.</translation>
    </message>
    <message>
        <source>This is not a QIF file: it has no &quot;!Type:&quot; line and no &quot;^&quot; at the end of a transaction.</source>
        <translation>Dit is geen QIF-bestand: het heeft geen regel &quot;!Type:&quot; en geen &quot;^&quot; aan het eind van een transactie.</translation>
    </message>
    <message>
        <source>The file has no bank transactions.</source>
        <translation>Het bestand bevat geen banktransacties.</translation>
    </message>
</context>
<context>
    <name>RateProposal</name>
    <message>
        <source>The charge of %1 differs from the interest due by more than an account can hold: no rates are proposed for this account.</source>
        <translation>De boeking van %1 wijkt meer van de verschuldigde rente af dan een rekening kan bevatten: er worden geen rentepercentages voorgesteld voor deze rekening.</translation>
    </message>
    <message>
        <source>This method does not fit the lender&apos;s charges: no rate under it reproduces any of them.</source>
        <translation>Deze methode past niet bij de boekingen van de geldverstrekker: geen enkel rentepercentage volgens deze methode reproduceert er ook maar één van.</translation>
    </message>
    <message>
        <source>No rate could be proposed: no charge of the lender could be compared with an interest posting under this method.</source>
        <translation>Er kon geen rentepercentage worden voorgesteld: geen enkele boeking van de geldverstrekker kon worden vergeleken met een renteregel volgens deze methode.</translation>
    </message>
</context>
<context>
    <name>RateProposalDialog</name>
    <message>
        <source>&amp;Store</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Methode:</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;Dag:</translation>
    </message>
    <message>
        <source>Day &amp;count:</source>
        <translation>Dag&amp;telling:</translation>
    </message>
    <message>
        <source>&amp;Rounding:</source>
        <translation>&amp;Afronding:</translation>
    </message>
    <message>
        <source>R&amp;est:</source>
        <translation>&amp;Saldoberekening:</translation>
    </message>
    <message>
        <source>Com&amp;pounding:</source>
        <translation>&amp;Rente-op-rente:</translation>
    </message>
    <message>
        <source>Periods a &amp;year:</source>
        <translation>Perioden per &amp;jaar:</translation>
    </message>
    <message>
        <source>&amp;Try Every Method</source>
        <translation>&amp;Elke methode proberen</translation>
    </message>
    <message>
        <source>For a borrower who knows neither the method nor the conventions: each is tried, and the one whose rates reproduce most charges is proposed.</source>
        <translation>Voor een geldnemer die de methode noch de rekenregels kent: elke wordt geprobeerd, en de methode waarvan de rentepercentages de meeste boekingen opleveren, wordt voorgesteld.</translation>
    </message>
    <message>
        <source>Proposed rate periods</source>
        <translation>Voorgestelde renteperioden</translation>
    </message>
    <message>
        <source>Rate periods stored</source>
        <translation>Opgeslagen renteperioden</translation>
    </message>
    <message>
        <source>Charges that no proposed rate reproduces</source>
        <translation>Renteboekingen die geen enkel voorgesteld rentepercentage oplevert</translation>
    </message>
    <message>
        <source>Tried %1 ways of working; the one shown reproduces the most charges with the fewest periods.</source>
        <translation>%1 rekenwijzen geprobeerd; de getoonde levert de meeste boekingen op met de minste perioden.</translation>
    </message>
    <message numerus="yes">
        <source>%n stored rate period(s) share days with the ticked ones:
%1

Replace them with the ticked periods?</source>
        <translation>
            <numerusform>Bij %n opgeslagen renteperiode(n) vallen dagen samen met de aangevinkte:
%1

Deze vervangen door de aangevinkte perioden?</numerusform>
            <numerusform>Bij %n opgeslagen renteperiode(n) vallen dagen samen met de aangevinkte:
%1

Deze vervangen door de aangevinkte perioden?</numerusform>
        </translation>
    </message>
    <message>
        <source>Propose Rate Periods from Charges</source>
        <translation>Renteperioden voorstellen uit de geboekte rente</translation>
    </message>
    <message>
        <source>Store</source>
        <extracomment>the tick column: whether the proposed period is stored</extracomment>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rente</translation>
    </message>
    <message>
        <source>Postings</source>
        <translation>Renteboekingen</translation>
    </message>
    <message>
        <source>Reproduced</source>
        <translation>Gereproduceerd</translation>
    </message>
    <message>
        <source>Proposed rate periods (tick those to store):</source>
        <translation>Voorgestelde renteperioden (vink aan wat u wilt opslaan):</translation>
    </message>
    <message>
        <source>Rate periods stored:</source>
        <translation>Opgeslagen renteperioden:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Charged</source>
        <translation>In rekening gebracht</translation>
    </message>
    <message>
        <source>Nearest Rate</source>
        <translation>Dichtstbijzijnde rente</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Verschil</translation>
    </message>
    <message>
        <source>Charges that no proposed rate reproduces (difference: the charge less the interest due under the proposal):</source>
        <translation>Renteboekingen die geen enkel voorgesteld rentepercentage oplevert (verschil: de geboekte rente min de verschuldigde rente volgens het voorstel):</translation>
    </message>
    <message>
        <source>Try Every Method finds the way of working that reproduces the charges.</source>
        <translation>Elke methode proberen zoekt de rekenwijze die de geboekte rente reproduceert.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>a proposed period&apos;s first day, then what changed on it</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Tick the proposed periods to store.</source>
        <translation>Vink de voorgestelde perioden aan die u wilt opslaan.</translation>
    </message>
    <message>
        <source>%1 to %2 at %3</source>
        <translation>%1 tot %2 tegen %3</translation>
    </message>
    <message>
        <source>The rate periods could not be stored: %1</source>
        <translation>De renteperioden konden niet worden opgeslagen: %1</translation>
    </message>
</context>
<context>
    <name>RateProposalRendering</name>
    <message>
        <source>a change on any of %1 days from %2 to %3 reproduces the charge; the earliest is taken</source>
        <translation>een wijziging op elk van %1 dagen van %2 tot %3 reproduceert de boeking; de vroegste wordt genomen</translation>
    </message>
    <message>
        <source>The proposed periods reproduce %1 of %2 charges to the cent.</source>
        <translation>De voorgestelde perioden reproduceren %1 van %2 boekingen op de cent.</translation>
    </message>
    <message>
        <source>%1 posting(s) left out: their period is incomplete, the lender charged nothing on their date or nothing bore interest.</source>
        <translation>%1 renteboeking(en) weggelaten: de periode ervan is onvolledig, de geldverstrekker bracht op die datum niets in rekening of er droeg niets rente.</translation>
    </message>
    <message>
        <source>%1 charge(s) fall on a date with no posting under this method and were left out.</source>
        <translation>%1 boeking(en) van de geldverstrekker vallen op een datum zonder renteregel volgens deze methode en zijn weggelaten.</translation>
    </message>
    <message>
        <source>A rate that reproduces the lender&apos;s charges is not proof that the charge was right. Compare the proposed change dates and rates with the lender&apos;s rate notices: a posting that no rate reproduces is where to look.</source>
        <translation>Een rentepercentage dat de geboekte rente van de geldverstrekker reproduceert, bewijst niet dat die boeking juist was. Vergelijk de voorgestelde wijzigingsdatums en rentepercentages met de renteberichten van de geldverstrekker: een renteboeking die geen enkel rentepercentage reproduceert, is de plek om te zoeken.</translation>
    </message>
</context>
<context>
    <name>RateTerms</name>
    <message>
        <source>No rate is owed from %1 to %2: %3.</source>
        <translation>Van %1 tot %2 is geen rentepercentage verschuldigd: %3.</translation>
    </message>
    <message>
        <source>The series %1 is known to %2: the owed rates after it take its last rate as still in force.</source>
        <translation>De reeks %1 is bekend tot %2: de verschuldigde rentepercentages daarna gaan ervan uit dat het laatste percentage ervan nog geldt.</translation>
    </message>
    <message>
        <source>the fixed terms have no rate</source>
        <translation>de vaste voorwaarden hebben geen rentepercentage</translation>
    </message>
    <message>
        <source>fixed</source>
        <translation>vast</translation>
    </message>
    <message>
        <source>the fixed rate ended on %1 and no terms follow</source>
        <translation>de vaste rente eindigde op %1 en er volgen geen voorwaarden</translation>
    </message>
    <message>
        <source>the series &apos;%1&apos; is not in the account</source>
        <translation>de reeks &apos;%1&apos; staat niet in de rekening</translation>
    </message>
    <message>
        <source>%1 %2 from %3 + %4</source>
        <translation>%1 %2 vanaf %3 + %4</translation>
    </message>
    <message>
        <source>the series %1 starts later</source>
        <translation>de reeks %1 begint later</translation>
    </message>
    <message>
        <source>the adjustable terms are incomplete</source>
        <translation>de aanpasbare voorwaarden zijn onvolledig</translation>
    </message>
    <message>
        <source>initial rate</source>
        <translation>aanvangsrente</translation>
    </message>
    <message>
        <source>the adjustable terms have no initial rate</source>
        <translation>de aanpasbare voorwaarden hebben geen aanvangsrente</translation>
    </message>
    <message>
        <source>the series %1 has no rate on %2</source>
        <translation>de reeks %1 heeft geen rentepercentage op %2</translation>
    </message>
    <message>
        <source>%1 %2 on %3 + %4</source>
        <translation>%1 %2 op %3 + %4</translation>
    </message>
    <message>
        <source>no rate period is stored for it</source>
        <translation>er is geen renteperiode voor opgeslagen</translation>
    </message>
    <message>
        <source>stored</source>
        <translation>opgeslagen</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Vast</translation>
    </message>
    <message>
        <source>Tracker</source>
        <translation>Volgt referentierente</translation>
    </message>
    <message>
        <source>Adjustable (index plus margin)</source>
        <translation>Aanpasbaar (index plus opslag)</translation>
    </message>
    <message>
        <source>Lender&apos;s variable rate</source>
        <translation>Variabele rente van de geldverstrekker</translation>
    </message>
    <message>
        <source>Choose the reference series of the tracker terms.</source>
        <translation>Kies de referentiereeks van de voorwaarden die een referentierente volgen.</translation>
    </message>
    <message>
        <source>Choose the reference series of the adjustable (index plus margin) terms.</source>
        <translation>Kies de referentiereeks van de aanpasbare voorwaarden (index plus opslag).</translation>
    </message>
    <message>
        <source>Choose the reference series of the lender&apos;s variable rate terms.</source>
        <translation>Kies de referentiereeks van de voorwaarden met de variabele rente van de geldverstrekker.</translation>
    </message>
    <message>
        <source>Each terms period needs the date it starts.</source>
        <translation>Elke voorwaardenperiode heeft de datum nodig waarop deze begint.</translation>
    </message>
    <message>
        <source>Fixed terms need their rate.</source>
        <translation>Vaste voorwaarden hebben een rentepercentage nodig.</translation>
    </message>
    <message>
        <source>The fixed rate cannot end before it starts.</source>
        <translation>De vaste rente kan niet eindigen voordat deze begint.</translation>
    </message>
    <message>
        <source>The series &apos;%1&apos; is not in the account.</source>
        <translation>De reeks &apos;%1&apos; staat niet in de rekening.</translation>
    </message>
    <message>
        <source>The lag is 0 to 366 days.</source>
        <translation>De vertraging is 0 tot 366 dagen.</translation>
    </message>
    <message>
        <source>Adjustable terms need a first change date on or after their start.</source>
        <translation>Aanpasbare voorwaarden hebben een eerste wijzigingsdatum nodig op of na hun begin.</translation>
    </message>
    <message>
        <source>The months between changes are 1 to 120.</source>
        <translation>Het aantal maanden tussen wijzigingen is 1 tot 120.</translation>
    </message>
    <message>
        <source>The look-back is 0 to 366 days.</source>
        <translation>De terugkijkperiode is 0 tot 366 dagen.</translation>
    </message>
    <message>
        <source>The rounding step must be above 0.</source>
        <translation>De afrondingsstap moet groter zijn dan 0.</translation>
    </message>
    <message>
        <source>A cap cannot be below 0.</source>
        <translation>Een plafond kan niet lager zijn dan 0.</translation>
    </message>
    <message>
        <source>nearest</source>
        <extracomment>a rate rounded to the nearest step</extracomment>
        <translation>rekenkundig</translation>
    </message>
    <message>
        <source>up</source>
        <extracomment>a rate rounded up to a step</extracomment>
        <translation>naar boven</translation>
    </message>
    <message>
        <source>down</source>
        <extracomment>a rate rounded down to a step</extracomment>
        <translation>naar beneden</translation>
    </message>
</context>
<context>
    <name>RateTermsWindow</name>
    <message>
        <source>Stored rates</source>
        <translation>Opgeslagen rentepercentages</translation>
    </message>
    <message>
        <source>Owed rates</source>
        <translation>Verschuldigde rentepercentages</translation>
    </message>
    <message>
        <source>&amp;View Report Under the Terms</source>
        <translation>Rapport &amp;bekijken volgens de voorwaarden</translation>
    </message>
    <message>
        <source>The report and its summary under the rates the terms owe; the stored rate periods stay as they are.</source>
        <translation>Het rapport en de samenvatting ervan volgens de rentepercentages die op grond van de voorwaarden verschuldigd zijn; de opgeslagen renteperioden blijven zoals ze zijn.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Voorwaarden</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Rate terms periods</source>
        <translation>Perioden van de rentevoorwaarden</translation>
    </message>
    <message>
        <source>Terms &amp;periods:</source>
        <translation>&amp;Voorwaardenperioden:</translation>
    </message>
    <message>
        <source>&amp;New Period</source>
        <translation>&amp;Nieuwe periode</translation>
    </message>
    <message>
        <source>&amp;Save Period</source>
        <translation>Periode &amp;opslaan</translation>
    </message>
    <message>
        <source>&amp;Delete Period</source>
        <translation>Periode verwij&amp;deren</translation>
    </message>
    <message>
        <source>Terms period</source>
        <translation>Voorwaardenperiode</translation>
    </message>
    <message>
        <source>&amp;Terms:</source>
        <translation>Voor&amp;waarden:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>V&amp;an:</translation>
    </message>
    <message>
        <source>Fixed: the rate. Adjustable: the rate until the first change, which the caps count from.</source>
        <translation>Vast: het rentepercentage. Aanpasbaar: het rentepercentage tot de eerste wijziging, van waaraf de plafonds tellen.</translation>
    </message>
    <message>
        <source>&amp;Rate (%):</source>
        <translation>&amp;Rentepercentage (%):</translation>
    </message>
    <message>
        <source>The fixed rate&apos;s last day; empty: until the next period.</source>
        <translation>De laatste dag van de vaste rente; leeg: tot de volgende periode.</translation>
    </message>
    <message>
        <source>&amp;Until:</source>
        <translation>&amp;Tot:</translation>
    </message>
    <message>
        <source>Reference s&amp;eries:</source>
        <translation>Re&amp;ferentiereeks:</translation>
    </message>
    <message>
        <source>M&amp;argin (points):</source>
        <translation>Renteopslag (pro&amp;centpunten):</translation>
    </message>
    <message>
        <source>A change of the reference applies this many days after its date; the lender&apos;s answer is looked for up to %1 days after that.</source>
        <translation>Een wijziging van de referentie geldt zoveel dagen na de datum ervan; het antwoord van de geldverstrekker wordt gezocht tot %1 dagen daarna.</translation>
    </message>
    <message>
        <source>&amp;Lag (days):</source>
        <translation>V&amp;ertraging (dagen):</translation>
    </message>
    <message>
        <source>From the first day of the ne&amp;xt month</source>
        <translation>Vanaf de eerste dag van de vo&amp;lgende maand</translation>
    </message>
    <message>
        <source>R&amp;ounding:</source>
        <translation>Af&amp;ronding:</translation>
    </message>
    <message>
        <source>Roundin&amp;g step (points):</source>
        <translation>Afrondingsstap (&amp;procentpunten):</translation>
    </message>
    <message>
        <source>First c&amp;hange:</source>
        <translation>Eerste wij&amp;ziging:</translation>
    </message>
    <message>
        <source>Months &amp;between changes:</source>
        <translation>Maanden t&amp;ussen wijzigingen:</translation>
    </message>
    <message>
        <source>The index in force this many days before the change date.</source>
        <translation>De index die zoveel dagen vóór de wijzigingsdatum gold.</translation>
    </message>
    <message>
        <source>Look-bac&amp;k (days):</source>
        <translation>Terug&amp;kijkperiode (dagen):</translation>
    </message>
    <message>
        <source>First change cap (points):</source>
        <translation>Plafond eerste wijziging (procentpunten):</translation>
    </message>
    <message>
        <source>Each change cap (points):</source>
        <translation>Plafond per wijziging (procentpunten):</translation>
    </message>
    <message>
        <source>Life cap (points above the first rate):</source>
        <translation>Levenslang plafond (procentpunten boven het eerste rentepercentage):</translation>
    </message>
    <message>
        <source>Floor (%):</source>
        <translation>Minimumrente (%):</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Reeks</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Uitgever</translation>
    </message>
    <message>
        <source>Known to</source>
        <translation>Bekend tot</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Wijzigingen</translation>
    </message>
    <message>
        <source>The account&apos;s reference series</source>
        <translation>De referentiereeks van de rekening</translation>
    </message>
    <message>
        <source>Series kept in the account:</source>
        <translation>Reeksen in de rekening:</translation>
    </message>
    <message>
        <source>Add Series from F&amp;ile...</source>
        <translation>Reeks u&amp;it bestand toevoegen...</translation>
    </message>
    <message>
        <source>A CSV file of dates and rates: your lender&apos;s published rate, an index&apos;s values, or a newer copy of a shipped series.</source>
        <translation>Een CSV-bestand met datums en rentepercentages: de gepubliceerde rente van uw geldverstrekker, de waarden van een index, of een nieuwere kopie van een meegeleverde reeks.</translation>
    </message>
    <message>
        <source>Dates and rates, one a line</source>
        <translation>Datums en rentepercentages, één per regel</translation>
    </message>
    <message>
        <source>One date and rate a line, for example:
1/7/2023 7.24
1/12/2023 7.49</source>
        <translation>Eén datum en rentepercentage per regel, bijvoorbeeld:
1/7/2023 7.24
1/12/2023 7.49</translation>
    </message>
    <message>
        <source>Dates and rates, one a line:</source>
        <translation>Datums en rentepercentages, één per regel:</translation>
    </message>
    <message>
        <source>Add T&amp;yped Series</source>
        <translation>&amp;Getypte reeks toevoegen</translation>
    </message>
    <message>
        <source>Name of a typed series:</source>
        <translation>Naam van een getypte reeks:</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>Owed</source>
        <translation>Verschuldigd</translation>
    </message>
    <message>
        <source>Stored</source>
        <translation>Opgeslagen</translation>
    </message>
    <message>
        <source>How</source>
        <translation>Hoe</translation>
    </message>
    <message>
        <source>Rates owed under the terms</source>
        <translation>Verschuldigde rentepercentages volgens de voorwaarden</translation>
    </message>
    <message>
        <source>Owed Rates</source>
        <translation>Verschuldigde rentepercentages</translation>
    </message>
    <message>
        <source>&amp;Method of the costs:</source>
        <translation>&amp;Methode van de kosten:</translation>
    </message>
    <message>
        <source>Changes of the reference passed on</source>
        <translation>Wijzigingen van de referentie doorgevoerd</translation>
    </message>
    <message>
        <source>Passed On</source>
        <translation>Doorgevoerd</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Grafiek</translation>
    </message>
    <message>
        <source>Each terms period needs the date it starts.</source>
        <translation>Elke voorwaardenperiode heeft de datum nodig waarop deze begint.</translation>
    </message>
    <message>
        <source>A terms period already starts on %1.</source>
        <translation>Er begint al een voorwaardenperiode op %1.</translation>
    </message>
    <message>
        <source>Delete the terms period from %1 (%2)? It goes from the account at once.</source>
        <translation>De voorwaardenperiode vanaf %1 (%2) verwijderen? Deze wordt meteen uit de rekening verwijderd.</translation>
    </message>
    <message>
        <source>The account already holds a series &apos;%1&apos;. Replace it with this one?</source>
        <translation>De rekening bevat al een reeks &apos;%1&apos;. Deze vervangen door deze reeks?</translation>
    </message>
    <message>
        <source>Add Series from File</source>
        <translation>Reeks uit bestand toevoegen</translation>
    </message>
    <message>
        <source>Dates and rates|*.csv *.txt</source>
        <translation>Datums en rentepercentages|*.csv *.txt</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read.</source>
        <translation>&apos;%1&apos; kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>Give the typed series a name.</source>
        <translation>Geef de getypte reeks een naam.</translation>
    </message>
    <message>
        <source>The account&apos;s history cannot be read: nothing is owed here.</source>
        <translation>De historie van de rekening kan niet worden gelezen: hier is niets verschuldigd.</translation>
    </message>
    <message>
        <source>Enter the loan&apos;s rate terms, period by period, from its first day.</source>
        <translation>Voer de rentevoorwaarden van de lening in, periode voor periode, vanaf de eerste dag.</translation>
    </message>
    <message>
        <source>The terms do not owe a rate on every day of the history yet: see the Owed Rates tab.</source>
        <translation>De voorwaarden maken nog niet voor elke dag van de historie een rentepercentage verschuldigd: zie het tabblad Verschuldigde rentepercentages.</translation>
    </message>
    <message>
        <source>Add a period of the lender&apos;s variable rate against a reference series to see whether its changes were passed on.</source>
        <translation>Voeg een periode toe waarin de variabele rente van de geldverstrekker tegenover een referentiereeks wordt gezet, om te zien of de wijzigingen ervan zijn doorgevoerd.</translation>
    </message>
    <message>
        <source>The account has no committed statement to report on yet.</source>
        <translation>De rekening heeft nog geen vastgelegd afschrift om over te rapporteren.</translation>
    </message>
    <message>
        <source>The terms period typed is not saved. Close without saving it?</source>
        <translation>De getypte voorwaardenperiode is niet opgeslagen. Sluiten zonder deze op te slaan?</translation>
    </message>
    <message>
        <source>The rate terms could not be stored: %1</source>
        <translation>De rentevoorwaarden konden niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>The series could not be read: %1</source>
        <translation>De reeks kon niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>Stored, owed and reference rates</source>
        <translation>Opgeslagen, verschuldigde en referentierentepercentages</translation>
    </message>
    <message>
        <source>What your loan contract says the rate is: a fixed rate, a tracker of a reference rate, an adjustable rate (an index plus a margin on set dates) or the lender&apos;s own variable rate. From these terms and the published reference rates the program works out the rates owed, and whether the lender passed on each change of its reference. Each period is stored when you save it; the stored rate periods are never changed here.</source>
        <translation>Wat uw leningovereenkomst over het rentepercentage zegt: een vaste rente, een rente die een referentierente volgt, een aanpasbare rente (een index plus een opslag op vaste data) of de eigen variabele rente van de geldverstrekker. Uit deze voorwaarden en de gepubliceerde referentierentes berekent het programma de verschuldigde rentepercentages, en of de geldverstrekker elke wijziging van zijn referentie heeft doorgevoerd. Elke periode wordt opgeslagen wanneer u deze opslaat; de opgeslagen renteperioden worden hier nooit gewijzigd.</translation>
    </message>
    <message>
        <source>Rate Terms</source>
        <translation>Rentevoorwaarden</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>rounding of the rate: none</extracomment>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Up</source>
        <extracomment>rounding of the rate up to the step</extracomment>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>rounding of the rate down to the step</extracomment>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>To the nearest</source>
        <translation>Naar dichtstbijzijnde</translation>
    </message>
    <message>
        <source>The start &apos;%1&apos; is not a date.</source>
        <translation>Het begin &apos;%1&apos; is geen datum.</translation>
    </message>
    <message>
        <source>The rate &apos;%1&apos; is not a rate such as 4.35.</source>
        <translation>Het rentepercentage &apos;%1&apos; is geen rentepercentage zoals 4.35.</translation>
    </message>
    <message>
        <source>The end &apos;%1&apos; is not a date.</source>
        <translation>Het einde &apos;%1&apos; is geen datum.</translation>
    </message>
    <message>
        <source>The margin &apos;%1&apos; is not a rate such as 4.35.</source>
        <translation>De renteopslag &apos;%1&apos; is geen rentepercentage zoals 4.35.</translation>
    </message>
    <message>
        <source>The first change &apos;%1&apos; is not a date.</source>
        <translation>De eerste wijziging &apos;%1&apos; is geen datum.</translation>
    </message>
    <message>
        <source>The first change cap &apos;%1&apos; is not a rate such as 4.35.</source>
        <translation>Het plafond voor de eerste wijziging &apos;%1&apos; is geen rentepercentage zoals 4.35.</translation>
    </message>
    <message>
        <source>The each change cap &apos;%1&apos; is not a rate such as 4.35.</source>
        <translation>Het plafond per wijziging &apos;%1&apos; is geen rentepercentage zoals 4.35.</translation>
    </message>
    <message>
        <source>The life cap &apos;%1&apos; is not a rate such as 4.35.</source>
        <translation>Het levenslange plafond &apos;%1&apos; is geen rentepercentage zoals 4.35.</translation>
    </message>
    <message>
        <source>The floor &apos;%1&apos; is not a rate such as 4.35.</source>
        <translation>De minimumrente &apos;%1&apos; is geen rentepercentage zoals 4.35.</translation>
    </message>
    <message>
        <source>Under the terms: %1</source>
        <translation>Volgens de voorwaarden: %1</translation>
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
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bewerken</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Bijwerken</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Vernieuwen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>First record</source>
        <translation>Eerste record</translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation>Vorig record</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Volgend record</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Laatste record</translation>
    </message>
    <message>
        <source>The row not saved: %1</source>
        <translation>De rij is niet opgeslagen: %1</translation>
    </message>
    <message>
        <source>Add Error: </source>
        <translation>Fout bij toevoegen: </translation>
    </message>
    <message>
        <source>Edit Error: </source>
        <translation>Fout bij bewerken: </translation>
    </message>
    <message>
        <source>Update Error: </source>
        <translation>Fout bij bijwerken: </translation>
    </message>
    <message>
        <source>Refresh Error: </source>
        <translation>Fout bij vernieuwen: </translation>
    </message>
    <message>
        <source>Move First Error: </source>
        <translation>Fout bij naar eerste: </translation>
    </message>
    <message>
        <source>Move Last Error: </source>
        <translation>Fout bij naar laatste: </translation>
    </message>
    <message>
        <source>Move Next Error: </source>
        <translation>Fout bij naar volgende: </translation>
    </message>
    <message>
        <source>Move Previous Error: </source>
        <translation>Fout bij naar vorige: </translation>
    </message>
    <message>
        <source>Record: %1</source>
        <extracomment>The status bar&apos;s place in the rows; %1 is the row&apos;s number, empty without a row</extracomment>
        <translation>Record: %1</translation>
    </message>
    <message>
        <source>Add record</source>
        <translation>Record toevoegen</translation>
    </message>
    <message>
        <source>Edit record</source>
        <translation>Record bewerken</translation>
    </message>
</context>
<context>
    <name>RecordSet</name>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>Deze bewerking is niet toegestaan wanneer het object gesloten is.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted.</source>
        <translation>BOF of EOF is waar, of het huidige record is verwijderd.</translation>
    </message>
    <message>
        <source>Position %1 is out of range.</source>
        <translation>Positie %1 valt buiten het bereik.</translation>
    </message>
    <message>
        <source>The bookmark is not valid.</source>
        <translation>De bladwijzer is niet geldig.</translation>
    </message>
    <message>
        <source>Item cannot be found in the collection.</source>
        <translation>Het item kan niet in de verzameling worden gevonden.</translation>
    </message>
    <message>
        <source>The field &apos;%1&apos; cannot be changed.</source>
        <translation>Het veld &apos;%1&apos; kan niet worden gewijzigd.</translation>
    </message>
    <message>
        <source>Type mismatch: &apos;%1&apos; is not a valid value for %2. Please enter it as %3.</source>
        <translation>Type komt niet overeen: &apos;%1&apos; is geen geldige waarde voor %2. Voer deze in als %3.</translation>
    </message>
    <message>
        <source>Type mismatch: &apos;%1&apos; is not a valid value for %2.</source>
        <translation>Type komt niet overeen: &apos;%1&apos; is geen geldige waarde voor %2.</translation>
    </message>
    <message>
        <source>This row cannot be saved without a %1. Type its %1, then save it again.</source>
        <translation>Deze rij kan niet worden opgeslagen zonder een waarde voor %1. Typ een waarde voor %1 en sla de rij daarna opnieuw op.</translation>
    </message>
    <message>
        <source>The rows of this query cannot be changed.</source>
        <translation>De rijen van deze query kunnen niet worden gewijzigd.</translation>
    </message>
</context>
<context>
    <name>RecordSetModel</name>
    <message>
        <source>Dates as %1</source>
        <translation>Datums als %1</translation>
    </message>
</context>
<context>
    <name>ReferenceRendering</name>
    <message>
        <source>no rate</source>
        <translation>geen rente</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>, from the first of the next month</source>
        <translation>, vanaf de eerste van de volgende maand</translation>
    </message>
    <message>
        <source>, %1 days after each change</source>
        <translation>, %1 dagen na elke wijziging</translation>
    </message>
    <message>
        <source>stored rate periods against %1</source>
        <translation>opgeslagen renteperioden tegenover %1</translation>
    </message>
    <message>
        <source>, %1 days allowed</source>
        <translation>, %1 dagen toegestaan</translation>
    </message>
    <message>
        <source> rounded %1 to %2</source>
        <translation> %1 afgerond op %2</translation>
    </message>
    <message>
        <source>first %1 until %2, then every %3 months</source>
        <translation>eerst %1 tot %2, daarna elke %3 maanden</translation>
    </message>
    <message>
        <source>index %1 days before</source>
        <translation>index %1 dagen ervoor</translation>
    </message>
    <message>
        <source>caps %1/%2/%3</source>
        <translation>plafonds %1/%2/%3</translation>
    </message>
    <message>
        <source>floor %1</source>
        <translation>minimumrente %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>Reference</source>
        <extracomment>The reference rate&apos;s change date</extracomment>
        <translation>Referentie</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wijziging</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rente</translation>
    </message>
    <message>
        <source>Lender</source>
        <extracomment>The lender&apos;s answering change date</extracomment>
        <translation>Geldverstrekker</translation>
    </message>
    <message>
        <source>Its change</source>
        <translation>Wijziging geldverstrekker</translation>
    </message>
    <message>
        <source>Its rate</source>
        <translation>Rente geldverstrekker</translation>
    </message>
    <message>
        <source>Days late</source>
        <translation>Dagen te laat</translation>
    </message>
    <message>
        <source>Not passed on</source>
        <translation>Niet doorgevoerd</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>never</source>
        <extracomment>The lender never answered the change</extracomment>
        <translation>nooit</translation>
    </message>
    <message>
        <source>The costs of the changes of the reference are not worked out.</source>
        <translation>De kosten van de wijzigingen van de referentie worden niet berekend.</translation>
    </message>
    <message>
        <source>The changes of the reference not passed on in full cost nothing in interest over the history.</source>
        <translation>De niet volledig doorgevoerde wijzigingen van de referentie kostten over de historie niets aan rente.</translation>
    </message>
    <message>
        <source>The changes of the reference not passed on in full cost %1 in interest over the history.</source>
        <translation>De niet volledig doorgevoerde wijzigingen van de referentie kostten over de historie %1 aan rente.</translation>
    </message>
    <message>
        <source>The changes of the reference not passed on in full saved %1 in interest over the history.</source>
        <translation>De niet volledig doorgevoerde wijzigingen van de referentie bespaarden over de historie %1 aan rente.</translation>
    </message>
    <message>
        <source>The lender&apos;s answer to a change is looked for from the change&apos;s date to %1 days after it.</source>
        <translation>Het antwoord van de geldverstrekker op een wijziging wordt gezocht vanaf de datum van de wijziging tot %1 dagen daarna.</translation>
    </message>
    <message>
        <source>The lender&apos;s answer to a change is looked for from the change&apos;s date to %1 days after its date plus the lag of %2 days.</source>
        <translation>Het antwoord van de geldverstrekker op een wijziging wordt gezocht vanaf de datum van de wijziging tot %1 dagen na die datum plus de vertraging van %2 dagen.</translation>
    </message>
    <message>
        <source>Changes of %1 (%2) passed on</source>
        <translation>Wijzigingen van %1 (%2) doorgevoerd</translation>
    </message>
    <message>
        <source>The series did not change within the history.</source>
        <translation>De reeks is binnen de historie niet gewijzigd.</translation>
    </message>
    <message>
        <source>Cost: the interest due under the stored rates less that with the change passed on in full from its date.</source>
        <translation>Kosten: de verschuldigde rente volgens de opgeslagen rentepercentages min die met de wijziging volledig doorgevoerd vanaf de datum ervan.</translation>
    </message>
</context>
<context>
    <name>ReferenceSeries</name>
    <message>
        <source>line %1 is not a date and a rate: &apos;%2&apos;</source>
        <translation>regel %1 is geen datum en rentepercentage: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the date %1 is given twice</source>
        <translation>de datum %1 komt twee keer voor</translation>
    </message>
    <message>
        <source>it holds no dates and rates</source>
        <translation>het bevat geen datums en rentepercentages</translation>
    </message>
    <message>
        <source>no reference series &apos;%1&apos; is shipped</source>
        <translation>er wordt geen referentiereeks &apos;%1&apos; meegeleverd</translation>
    </message>
    <message>
        <source>the series file &apos;%1&apos; does not read: %2</source>
        <translation>het reeksbestand &apos;%1&apos; is niet leesbaar: %2</translation>
    </message>
</context>
<context>
    <name>RepaymentCheck</name>
    <message>
        <source>The history holds no deposit to take as a repayment.</source>
        <translation>De historie bevat geen storting die als termijn kan gelden.</translation>
    </message>
</context>
<context>
    <name>RepaymentRendering</name>
    <message>
        <source>From the first repayment</source>
        <translation>Vanaf de eerste termijn</translation>
    </message>
    <message>
        <source>After the rate change of %1</source>
        <translation>Na de rentewijziging van %1</translation>
    </message>
    <message>
        <source>After the interest-only period ended on %1</source>
        <translation>Na afloop van de aflossingsvrije periode op %1</translation>
    </message>
    <message>
        <source>Repayment of %1 kept after the rate change of %2</source>
        <translation>Termijnbedrag van %1 aangehouden na de rentewijziging van %2</translation>
    </message>
    <message>
        <source>Repayment worked out over %1 repayments where %2 remain</source>
        <translation>Termijnbedrag berekend over %1 termijnen terwijl er nog %2 resten</translation>
    </message>
    <message>
        <source>Repayment of %1 taken where %2 is required</source>
        <translation>Termijn van %1 geïncasseerd waar %2 vereist is</translation>
    </message>
    <message>
        <source>Interest only kept past the period&apos;s end on %1</source>
        <translation>Aflossingsvrij voortgezet na het eind van de periode op %1</translation>
    </message>
    <message>
        <source>%1 the lender kept the repayment of %2 where %3 is required</source>
        <translation>%1 hield de geldverstrekker het termijnbedrag van %2 aan waar %3 vereist is</translation>
    </message>
    <message>
        <source>%1 the lender worked the repayment of %2 out over %3 repayments where %4 remain, and %5 is required</source>
        <translation>%1 berekende de geldverstrekker het termijnbedrag van %2 over %3 termijnen terwijl er nog %4 resten, en is %5 vereist</translation>
    </message>
    <message>
        <source>%1 the lender took %2 where %3 is required</source>
        <translation>%1 incasseerde de geldverstrekker %2 waar %3 vereist is</translation>
    </message>
    <message>
        <source>%1 the lender kept taking interest only (%2) where %3 is required</source>
        <translation>%1 bleef de geldverstrekker alleen rente in rekening brengen (%2) waar %3 vereist is</translation>
    </message>
    <message>
        <source>: %1 short each repayment (%2 repayments)</source>
        <translation>: %1 te weinig per termijn (%2 termijnen)</translation>
    </message>
    <message>
        <source>, leaving %1 owed at the term&apos;s end on %2</source>
        <translation>, waardoor aan het eind van de looptijd op %2 nog %1 verschuldigd is</translation>
    </message>
    <message>
        <source>The loan is underfunded: since %1 each repayment taken is %2 short of the one its terms require</source>
        <translation>De lening wordt onvoldoende afgelost: sinds %1 is elke geïncasseerde termijn %2 lager dan de termijn die de voorwaarden vereisen</translation>
    </message>
    <message>
        <source>, which would leave %1 owed at the term&apos;s end</source>
        <translation>, waardoor aan het eind van de looptijd nog %1 verschuldigd zou zijn</translation>
    </message>
    <message>
        <source>The repayment you set is too low to repay the mortgage by the end of its term: the mortgage is underfunded. I ask you to recalculate the repayment over the remaining term, to tell me the shortfall it has left, and to put it right without cost to me.</source>
        <translation>Het termijnbedrag dat u hebt vastgesteld, is te laag om de hypotheek aan het eind van de looptijd af te lossen: de hypotheek wordt onvoldoende afgelost. Ik verzoek u het termijnbedrag over de resterende looptijd opnieuw te berekenen, mij het tekort te melden dat daardoor is ontstaan, en dit zonder kosten voor mij te herstellen.</translation>
    </message>
    <message>
        <source>The lender stated a repayment of %1 at the start; the terms require %2.</source>
        <translation>De geldverstrekker gaf bij het begin een termijnbedrag van %1 op; de voorwaarden vereisen %2.</translation>
    </message>
    <message>
        <source>Every repayment taken is at least the one the terms require.</source>
        <translation>Elke geïncasseerde termijn is minstens de termijn die de voorwaarden vereisen.</translation>
    </message>
    <message>
        <source>At the repayment of %1 the loan is not paid off within 60 years of the term&apos;s end.</source>
        <translation>Bij een termijnbedrag van %1 is de lening niet binnen 60 jaar na het eind van de looptijd afgelost.</translation>
    </message>
    <message>
        <source>At the repayment of %1 the loan is paid off on %2, %3 months before the term ends on %4.</source>
        <translation>Bij een termijnbedrag van %1 is de lening afgelost op %2, %3 maanden vóór het eind van de looptijd op %4.</translation>
    </message>
    <message>
        <source>At the repayment of %1 the loan is paid off on %2, %3 months after the term ends on %4.</source>
        <translation>Bij een termijnbedrag van %1 is de lening afgelost op %2, %3 maanden na het eind van de looptijd op %4.</translation>
    </message>
    <message>
        <source>Owed at the term&apos;s end: %1.</source>
        <translation>Verschuldigd aan het eind van de looptijd: %1.</translation>
    </message>
    <message>
        <source>With %1 more each repayment it is paid off on %2, saving %3 of interest.</source>
        <translation>Met %1 meer per termijn is de lening afgelost op %2, met een besparing van %3 aan rente.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rente</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Remaining</source>
        <extracomment>Repayments remaining</extracomment>
        <translation>Resterend</translation>
    </message>
    <message>
        <source>Required</source>
        <extracomment>The repayment required</extracomment>
        <translation>Vereist</translation>
    </message>
    <message>
        <source>Taken</source>
        <extracomment>The repayment taken</extracomment>
        <translation>Geïncasseerd</translation>
    </message>
    <message>
        <source>Shortfall</source>
        <translation>Tekort</translation>
    </message>
</context>
<context>
    <name>RepaymentTermsWindow</name>
    <message>
        <source>Balance as it went</source>
        <translation>Saldo zoals het verliep</translation>
    </message>
    <message>
        <source>Balance the terms require</source>
        <translation>Saldo volgens de voorwaarden</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Prognose</translation>
    </message>
    <message>
        <source>Projection with extra</source>
        <translation>Prognose met extra</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Voorwaarden</translation>
    </message>
    <message>
        <source>Repayments</source>
        <translation>Termijnen</translation>
    </message>
    <message>
        <source>Deposits</source>
        <translation>Stortingen</translation>
    </message>
    <message>
        <source>Payoff</source>
        <translation>Volledige aflossing</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>Clear T&amp;erms</source>
        <translation>Voorwaarden &amp;wissen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>&amp;First repayment:</source>
        <translation>&amp;Eerste termijn:</translation>
    </message>
    <message>
        <source>&amp;Term:</source>
        <translation>&amp;Looptijd:</translation>
    </message>
    <message>
        <source>Last repa&amp;yment:</source>
        <translation>Laatste ter&amp;mijn:</translation>
    </message>
    <message>
        <source>&amp;Number of repayments:</source>
        <translation>Aa&amp;ntal termijnen:</translation>
    </message>
    <message>
        <source>Per cent a year of the amount lent, repaid beside the interest until the rate changes.</source>
        <translation>Percentage per jaar van het geleende bedrag, dat naast de rente wordt afgelost tot het rentepercentage wijzigt.</translation>
    </message>
    <message>
        <source>&amp;Initial repayment rate (%):</source>
        <translation>&amp;Aanvangsaflossing (%):</translation>
    </message>
    <message>
        <source>Fre&amp;quency:</source>
        <translation>Fre&amp;quentie:</translation>
    </message>
    <message>
        <source>The repayment the lender stated at the start; empty: the one the formula gives.</source>
        <translation>Het termijnbedrag dat de geldverstrekker bij het begin opgaf; leeg: het bedrag dat de formule geeft.</translation>
    </message>
    <message>
        <source>Repayment stated by the &amp;lender:</source>
        <translation>Termijnbedrag volgens de gel&amp;dverstrekker:</translation>
    </message>
    <message>
        <source>R&amp;ounding:</source>
        <translation>Af&amp;ronding:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>Interest only &amp;periods:</source>
        <translation>Aflossingsvrije &amp;perioden:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Verw&amp;ijderen</translation>
    </message>
    <message>
        <source>Repayments required and taken</source>
        <translation>Vereiste en geïncasseerde termijnen</translation>
    </message>
    <message>
        <source>Repayments &amp;required and taken:</source>
        <translation>&amp;Vereiste en geïncasseerde termijnen:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Bedrag</translation>
    </message>
    <message>
        <source>Repayment</source>
        <translation>Termijn</translation>
    </message>
    <message>
        <source>Deposits taken as repayments</source>
        <translation>Stortingen die als termijn gelden</translation>
    </message>
    <message>
        <source>&amp;Deposits taken as repayments:</source>
        <translation>Stortin&amp;gen die als termijn gelden:</translation>
    </message>
    <message>
        <source>Untick a deposit that is no repayment (a lump sum paid in, a refund): the check then takes none for it. A tick is stored in the account at once.</source>
        <translation>Vink een storting uit die geen termijn is (een extra storting ineens, een terugbetaling): de controle telt er dan geen termijn voor. Een vinkje wordt meteen in de rekening opgeslagen.</translation>
    </message>
    <message>
        <source>E&amp;xtra each repayment:</source>
        <translation>E&amp;xtra per termijn:</translation>
    </message>
    <message>
        <source>Pro&amp;ject</source>
        <translation>Doorre&amp;kenen</translation>
    </message>
    <message>
        <source>When the loan is paid off with this much more each repayment, and the interest it saves.</source>
        <translation>Wanneer de lening is afgelost met zoveel meer per termijn, en de rente die dat bespaart.</translation>
    </message>
    <message>
        <source>Balance owed</source>
        <translation>Openstaand saldo</translation>
    </message>
    <message>
        <source>The number of repayments &apos;%1&apos; is not a whole number.</source>
        <translation>Het aantal termijnen &apos;%1&apos; is geen geheel getal.</translation>
    </message>
    <message>
        <source>The initial repayment rate &apos;%1&apos; is not a rate such as 2.5.</source>
        <translation>De aanvangsaflossing &apos;%1&apos; is geen percentage zoals 2.5.</translation>
    </message>
    <message>
        <source>The repayment stated by the lender &apos;%1&apos; is not an amount.</source>
        <translation>Het termijnbedrag volgens de geldverstrekker &apos;%1&apos; is geen bedrag.</translation>
    </message>
    <message>
        <source>The interest-only period in row %1 needs the day it starts and the day it ends.</source>
        <translation>De aflossingsvrije periode in rij %1 heeft de dag nodig waarop deze begint en de dag waarop deze eindigt.</translation>
    </message>
    <message>
        <source>The interest-only period in row %1: &apos;%2&apos; is not a date.</source>
        <translation>De aflossingsvrije periode in rij %1: &apos;%2&apos; is geen datum.</translation>
    </message>
    <message>
        <source>Clear the repayment terms from the account? The repayments are then not checked.</source>
        <translation>De aflossingsvoorwaarden uit de rekening wissen? De termijnen worden dan niet gecontroleerd.</translation>
    </message>
    <message>
        <source>The account&apos;s history cannot be read: the repayments are not checked.</source>
        <translation>De historie van de rekening kan niet worden gelezen: de termijnen worden niet gecontroleerd.</translation>
    </message>
    <message>
        <source>No repayment of the terms falls within the history.</source>
        <translation>Geen enkele termijn van de voorwaarden valt binnen de historie.</translation>
    </message>
    <message>
        <source>Taken as a repayment of the terms.</source>
        <translation>Meegeteld als termijn volgens de voorwaarden.</translation>
    </message>
    <message>
        <source>Not taken: no repayment falls due near it.</source>
        <translation>Niet meegeteld: er valt geen termijn in de buurt.</translation>
    </message>
    <message>
        <source>The extra each repayment &apos;%1&apos; is not an amount of zero or more.</source>
        <translation>Het extra bedrag per termijn &apos;%1&apos; is geen bedrag van nul of meer.</translation>
    </message>
    <message>
        <source>The repayment terms typed are not saved. Close without saving them?</source>
        <translation>De getypte aflossingsvoorwaarden zijn niet opgeslagen. Sluiten zonder ze op te slaan?</translation>
    </message>
    <message>
        <source>Repayment Terms</source>
        <translation>Aflossingsvoorwaarden</translation>
    </message>
    <message>
        <source>Last repayment</source>
        <translation>Laatste termijn</translation>
    </message>
    <message>
        <source>Number of repayments</source>
        <translation>Aantal termijnen</translation>
    </message>
    <message>
        <source>Initial repayment rate</source>
        <translation>Aanvangsaflossing</translation>
    </message>
    <message>
        <source>Give the first repayment&apos;s date.</source>
        <translation>Geef de datum van de eerste termijn op.</translation>
    </message>
    <message>
        <source>The first repayment &apos;%1&apos; is not a date.</source>
        <translation>De eerste termijn &apos;%1&apos; is geen datum.</translation>
    </message>
    <message>
        <source>Give the last repayment&apos;s date.</source>
        <translation>Geef de datum van de laatste termijn op.</translation>
    </message>
    <message>
        <source>The last repayment &apos;%1&apos; is not a date.</source>
        <translation>De laatste termijn &apos;%1&apos; is geen datum.</translation>
    </message>
    <message>
        <source>Give the number of repayments.</source>
        <translation>Geef het aantal termijnen op.</translation>
    </message>
    <message>
        <source>Give the initial repayment rate.</source>
        <translation>Geef de aanvangsaflossing op.</translation>
    </message>
    <message>
        <source>The repayment terms could not be stored: %1</source>
        <translation>De aflossingsvoorwaarden konden niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>No repayment terms are kept for this account.</source>
        <translation>Voor deze rekening zijn geen aflossingsvoorwaarden bewaard.</translation>
    </message>
    <message>
        <source>Every repayment taken is at least the one the terms require.</source>
        <translation>Elke geïncasseerde termijn is minstens de termijn die de voorwaarden vereisen.</translation>
    </message>
</context>
<context>
    <name>Repayments</name>
    <message>
        <source>The first repayment&apos;s date is not a date the program can work with.</source>
        <translation>De datum van de eerste termijn is geen datum waarmee het programma kan werken.</translation>
    </message>
    <message>
        <source>The last repayment must fall on or after the first.</source>
        <translation>De laatste termijn moet op of na de eerste vallen.</translation>
    </message>
    <message>
        <source>A term runs to %1 repayments at most.</source>
        <translation>Een looptijd telt hoogstens %1 termijnen.</translation>
    </message>
    <message>
        <source>The number of repayments must be from 1 to %1.</source>
        <translation>Het aantal termijnen moet tussen 1 en %1 liggen.</translation>
    </message>
    <message>
        <source>The initial repayment rate must be above 0 and at most 100 per cent.</source>
        <translation>De aanvangsaflossing moet boven 0 liggen en hoogstens 100 procent zijn.</translation>
    </message>
    <message>
        <source>An interest-only period must end on or after the day it starts.</source>
        <translation>Een aflossingsvrije periode moet eindigen op of na de dag waarop deze begint.</translation>
    </message>
    <message>
        <source>Two interest-only periods overlap.</source>
        <translation>Twee aflossingsvrije perioden overlappen elkaar.</translation>
    </message>
    <message>
        <source>The repayment the lender stated must be above zero.</source>
        <translation>Het termijnbedrag volgens de geldverstrekker moet groter zijn dan nul.</translation>
    </message>
    <message>
        <source>The repayment required is the level repayment that repays the balance over the repayments left: balance × i ÷ (1 − (1 + i)^−n), where i is the rate a year ÷ the repayments a year (under half-yearly compounding, (1 + rate ÷ 2)^(2 ÷ repayments a year) − 1) and n the repayments dated after the day. It is worked out at the first repayment, after each change of the rate, and when a period of interest only ends, on the balance after that day&apos;s rows, and rounded as the lender rounds. While interest only, it is the period&apos;s interest due. Under an initial repayment rate it is (rate + initial repayment rate) × the amount ÷ the repayments a year, until the rate changes.</source>
        <translation>Het vereiste termijnbedrag is het gelijkblijvende termijnbedrag dat het saldo aflost over de resterende termijnen: saldo × i ÷ (1 − (1 + i)^−n), waarbij i het rentepercentage per jaar ÷ het aantal termijnen per jaar is (bij halfjaarlijkse rente-op-rente (1 + rente ÷ 2)^(2 ÷ termijnen per jaar) − 1) en n het aantal termijnen gedateerd na de dag. Het wordt berekend bij de eerste termijn, na elke wijziging van het rentepercentage en wanneer een aflossingsvrije periode eindigt, over het saldo na de rijen van die dag, en afgerond zoals de geldverstrekker afrondt. Tijdens een aflossingsvrije periode is het de verschuldigde rente van de periode. Bij een aanvangsaflossing is het (rentepercentage + aanvangsaflossing) × het bedrag ÷ het aantal termijnen per jaar, tot het rentepercentage wijzigt.</translation>
    </message>
    <message>
        <source>The repayment terms kept in the account cannot be read; the account is checked without them.</source>
        <translation>De aflossingsvoorwaarden in de rekening kunnen niet worden gelezen; de rekening wordt zonder deze voorwaarden gecontroleerd.</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Maandelijks</translation>
    </message>
    <message>
        <source>Fortnightly</source>
        <translation>Tweewekelijks</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wekelijks</translation>
    </message>
    <message>
        <source>To the nearest cent</source>
        <translation>Op de dichtstbijzijnde cent</translation>
    </message>
    <message>
        <source>Up to the cent</source>
        <translation>Naar boven op de cent</translation>
    </message>
    <message>
        <source>Up to the dollar</source>
        <translation>Naar boven op de euro</translation>
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
        <translation>Heffing</translation>
    </message>
    <message>
        <source>Bank Chge</source>
        <translation>Bankkosten</translation>
    </message>
    <message>
        <source>W&apos;drawal</source>
        <translation>Opname</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Storting</translation>
    </message>
    <message>
        <source>Int Charge</source>
        <translation>Geb. rente</translation>
    </message>
    <message>
        <source>Int Due</source>
        <extracomment>Interest due, as the calculation gives it.</extracomment>
        <translation>Versch. rente</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Compensatie</translation>
    </message>
</context>
<context>
    <name>ReportPreparation</name>
    <message>
        <source>Statement(s) prior to</source>
        <translation>Afschrift(en) vóór</translation>
    </message>
    <message>
        <source>Statement number</source>
        <translation>Afschriftnummer</translation>
    </message>
    <message>
        <source>has not been entered. Calculated Interest Due for this period will not be accurate.</source>
        <translation>is niet ingevoerd. De berekende verschuldigde rente voor deze periode is niet nauwkeurig.</translation>
    </message>
    <message>
        <source>Some statements have not been entered. Calculated Interest Due for these periods will not be accurate.</source>
        <translation>Sommige afschriften zijn niet ingevoerd. De berekende verschuldigde rente voor deze perioden is niet nauwkeurig.</translation>
    </message>
    <message>
        <source>The statement number &apos;%1&apos; is not a number.</source>
        <translation>Het afschriftnummer &apos;%1&apos; is geen getal.</translation>
    </message>
    <message>
        <source>The statement&apos;s start date or opening balance cannot be read.</source>
        <translation>De begindatum of het beginsaldo van het afschrift kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>No transactions have been entered. Report cannot be generated.</source>
        <translation>Er zijn geen transacties ingevoerd. Het rapport kan niet worden gemaakt.</translation>
    </message>
</context>
<context>
    <name>SetCheck</name>
    <message>
        <source>The account file &apos;%1&apos; is missing.</source>
        <translation>Het rekeningbestand &apos;%1&apos; ontbreekt.</translation>
    </message>
    <message>
        <source>no working copy can be made</source>
        <translation>er kan geen werkkopie worden gemaakt</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an account that can be read: %2</source>
        <translation>&apos;%1&apos; is geen rekening die kan worden gelezen: %2</translation>
    </message>
    <message>
        <source>No method is chosen for the part: check it alone, or give one for the whole set.</source>
        <translation>Er is geen methode gekozen voor het leningdeel: controleer het afzonderlijk, of geef er een op voor de hele set.</translation>
    </message>
    <message>
        <source>The account has no calculation day for its fixed-day method.</source>
        <translation>De rekening heeft geen rentedag voor de methode met Vaste dag.</translation>
    </message>
    <message>
        <source>Its sums leave the range of amounts.</source>
        <translation>De sommen ervan vallen buiten het bereik van bedragen.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Leningdeel</translation>
    </message>
    <message>
        <source>Charged</source>
        <translation>In rekening gebracht</translation>
    </message>
    <message>
        <source>Due</source>
        <extracomment>Interest due</extracomment>
        <translation>Verschuldigd</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Verschil</translation>
    </message>
    <message>
        <source>Offset saved</source>
        <translation>Compensatie opgeslagen</translation>
    </message>
    <message>
        <source>Fixed until</source>
        <translation>Vast tot</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rente</translation>
    </message>
    <message>
        <source>Owed</source>
        <translation>Verschuldigd</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>No part of the loan set could be checked.</source>
        <translation>Geen enkel leningdeel van de leningset kon worden gecontroleerd.</translation>
    </message>
    <message>
        <source>Across its %1 parts your lender charged the interest these figures give.</source>
        <translation>Over de %1 leningdelen samen bracht uw geldverstrekker de rente in rekening die deze cijfers geven.</translation>
    </message>
    <message>
        <source>the offset of &quot;%1&quot; linked to &quot;%2&quot;</source>
        <translation>de compensatierekening van &quot;%1&quot; gekoppeld aan &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the offset of &quot;%1&quot; linked to no part</source>
        <translation>de compensatierekening van &quot;%1&quot; aan geen enkel leningdeel gekoppeld</translation>
    </message>
    <message>
        <source>Loan set: %1</source>
        <translation>Leningset: %1</translation>
    </message>
    <message>
        <source>By calendar year (charged less due)</source>
        <translation>Per kalenderjaar (in rekening gebracht min verschuldigd)</translation>
    </message>
    <message>
        <source>Rate weighted by the balances owed: %1 %</source>
        <translation>Rente gewogen naar de openstaande saldi: %1 %</translation>
    </message>
    <message>
        <source>The offset accounts across the parts</source>
        <translation>De compensatierekeningen over de leningdelen</translation>
    </message>
    <message>
        <source>No offset account was found linked to another part.</source>
        <translation>Er is geen compensatierekening gevonden die aan een ander leningdeel is gekoppeld.</translation>
    </message>
    <message>
        <source>Across its %1 parts your lender charged %2 more interest than these figures give.</source>
        <translation>Over de %1 leningdelen samen bracht uw geldverstrekker %2 meer rente in rekening dan deze cijfers geven.</translation>
    </message>
    <message>
        <source>Across its %1 parts your lender charged %2 less interest than these figures give.</source>
        <translation>Over de %1 leningdelen samen bracht uw geldverstrekker %2 minder rente in rekening dan deze cijfers geven.</translation>
    </message>
    <message>
        <source>From %1 to %2 (%3 postings) the charges equal exactly those of %4: %5 less than due.</source>
        <translation>Van %1 tot %2 (%3 renteboekingen) zijn de boekingen precies gelijk aan die van %4: %5 minder dan verschuldigd.</translation>
    </message>
    <message>
        <source>From %1 to %2 (%3 postings) the charges equal exactly those of %4: %5 more than due.</source>
        <translation>Van %1 tot %2 (%3 renteboekingen) zijn de boekingen precies gelijk aan die van %4: %5 meer dan verschuldigd.</translation>
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
        <translation>geen enkel leningdeel van de leningset kon worden gecontroleerd</translation>
    </message>
    <message>
        <source>no part of the loan was charged more than its interest due, no repayment falls short of its terms and no offset account was linked to the wrong part: there is nothing to complain of</source>
        <translation>op geen enkel leningdeel is meer dan de verschuldigde rente in rekening gebracht, geen enkele termijn blijft achter bij de voorwaarden en geen compensatierekening was aan het verkeerde leningdeel gekoppeld: er is niets om over te klagen</translation>
    </message>
    <message>
        <source>No letter is written: %1.</source>
        <translation>Er wordt geen brief geschreven: %1.</translation>
    </message>
    <message>
        <source>No evidence is written: %1.</source>
        <translation>Er worden geen bewijsstukken geschreven: %1.</translation>
    </message>
</context>
<context>
    <name>SetSummaryWindow</name>
    <message>
        <source>P&amp;arts</source>
        <translation>&amp;Leningdelen</translation>
    </message>
    <message>
        <source>By calendar &amp;year</source>
        <translation>Per kalender&amp;jaar</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Leningdeel</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Oordeel</translation>
    </message>
    <message>
        <source>Charged</source>
        <translation>In rekening gebracht</translation>
    </message>
    <message>
        <source>Due</source>
        <extracomment>The interest due, as the calculation gives it.</extracomment>
        <translation>Verschuldigd</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Verschil</translation>
    </message>
    <message>
        <source>Offset saved</source>
        <translation>Compensatie opgeslagen</translation>
    </message>
    <message>
        <source>Fixed until</source>
        <translation>Vast tot</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rente</translation>
    </message>
    <message>
        <source>Owed</source>
        <extracomment>The balance the part still owes.</extracomment>
        <translation>Openstaand</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>Leningdelen</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>By calendar year</source>
        <translation>Per kalenderjaar</translation>
    </message>
    <message>
        <source>Balance owed by part</source>
        <translation>Openstaand saldo per leningdeel</translation>
    </message>
    <message>
        <source>&amp;Show Part</source>
        <translation>Leningdeel &amp;tonen</translation>
    </message>
    <message>
        <source>The selected part&apos;s own summary: its years, its largest differences and what explains them.</source>
        <translation>De eigen samenvatting van het geselecteerde leningdeel: de jaren, de grootste verschillen en wat die verklaart.</translation>
    </message>
    <message>
        <source>&amp;Edit Set...</source>
        <translation>Leningset &amp;bewerken...</translation>
    </message>
    <message>
        <source>Prepare a Com&amp;plaint...</source>
        <translation>&amp;Klacht voorbereiden...</translation>
    </message>
    <message>
        <source>One letter to the lender raising each part&apos;s findings, and one evidence pack behind it.</source>
        <translation>Eén brief aan de geldverstrekker die de bevindingen van elk leningdeel aankaart, met één set bewijsstukken erbij.</translation>
    </message>
    <message>
        <source>Copy as Text</source>
        <translation>Als tekst kopiëren</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Afdrukken...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>The loan set &apos;%1&apos; cannot be read: %2</source>
        <translation>De leningset &apos;%1&apos; kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>Balance-weighted rate: %1 %</source>
        <translation>Saldogewogen rente: %1 %</translation>
    </message>
    <message>
        <source>Balance-weighted rate: none (nothing owed)</source>
        <translation>Saldogewogen rente: geen (niets verschuldigd)</translation>
    </message>
    <message>
        <source>%1, made %2</source>
        <translation>%1, gemaakt op %2</translation>
    </message>
    <message>
        <source>The loan set cannot be edited here.</source>
        <translation>De leningset kan hier niet worden bewerkt.</translation>
    </message>
    <message>
        <source>No letter is written: %1.</source>
        <translation>Er wordt geen brief geschreven: %1.</translation>
    </message>
    <message>
        <source>It says &quot;%1&quot; in place of %2: fill it in before it is sent.</source>
        <translation>Er staat &quot;%1&quot; in plaats van %2: vul dit in voordat de brief wordt verstuurd.</translation>
    </message>
    <message>
        <source>The letter is in %1 and the evidence in %2. Read the letter through, sign it and send both to your lender.</source>
        <translation>De brief staat in %1 en de bewijsstukken in %2. Lees de brief na, onderteken hem en stuur beide naar uw geldverstrekker.</translation>
    </message>
    <message>
        <source>Loan Set Summary</source>
        <translation>Samenvatting leningset</translation>
    </message>
    <message>
        <source>The complaint cannot be prepared: %1</source>
        <translation>De klacht kan niet worden voorbereid: %1</translation>
    </message>
</context>
<context>
    <name>SplitRoad</name>
    <message>
        <source>The Bank&apos;s File of &quot;%1&quot;</source>
        <translation>Het bankbestand van &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Bank files</source>
        <extracomment>The kind of file a file dialog lists: the bank&apos;s exports</extracomment>
        <translation>Bankbestanden</translation>
    </message>
    <message>
        <source>Name of the loan set:</source>
        <translation>Naam van de leningset:</translation>
    </message>
    <message>
        <source>Name of part %1 of the loan:</source>
        <translation>Naam van leningdeel %1:</translation>
    </message>
    <message>
        <source>Does the loan have another part?</source>
        <translation>Heeft de lening nog een leningdeel?</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2

Import this file all the same?</source>
        <translation>&quot;%1&quot;: %2

Dit bestand toch importeren?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be made from %2: %3</source>
        <translation>&quot;%1&quot; kon niet worden gemaakt uit %2: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The parts&apos; accounts are kept: %1</source>
        <translation>De rekeningen van de leningdelen zijn bewaard: %1</translation>
    </message>
    <message>
        <source>The set holds the parts made; add the others in its window.</source>
        <translation>De set bevat de gemaakte leningdelen; voeg de andere toe in het venster ervan.</translation>
    </message>
</context>
<context>
    <name>StatementFile</name>
    <message>
        <source>The file %1 is %2 MB; a statement file may be at most %3 MB. Download a shorter period from the bank.</source>
        <translation>Het bestand %1 is %2 MB; een afschriftbestand mag hoogstens %3 MB zijn. Download een kortere periode bij de bank.</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Het bestand %1 bestaat niet.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Het bestand %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file (it is a folder, a device or a pipe): it cannot be a bank&apos;s statement file.</source>
        <translation>%1 is geen gewoon bestand (het is een map, een apparaat of een pipe): het kan geen afschriftbestand van een bank zijn.</translation>
    </message>
    <message>
        <source>The file %1 is empty.</source>
        <translation>Het bestand %1 is leeg.</translation>
    </message>
    <message>
        <source>The file %1 is not a text file: it cannot be a bank&apos;s CSV or QIF file.</source>
        <translation>Het bestand %1 is geen tekstbestand: het kan geen CSV- of QIF-bestand van een bank zijn.</translation>
    </message>
    <message>
        <source>The file %1 has %2 lines; a statement file may have at most %3 lines. Download a shorter period from the bank.</source>
        <translation>Het bestand %1 heeft %2 regels; een afschriftbestand mag hoogstens %3 regels hebben. Download een kortere periode bij de bank.</translation>
    </message>
    <message>
        <source>Bank statements|*.csv *.ofx *.qfx *.qif *.txt *.xml *.sta *.940 *.mt940</source>
        <extracomment>The file dialog&apos;s filter: keep the | and the patterns after it.</extracomment>
        <translation>Bankafschriften|*.csv *.ofx *.qfx *.qif *.txt *.xml *.sta *.940 *.mt940</translation>
    </message>
</context>
<context>
    <name>StatementHeader</name>
    <message>
        <source>The statement&apos;s %1 &quot;%2&quot; does not read.</source>
        <translation>Het afschriftveld %1 &quot;%2&quot; is niet leesbaar.</translation>
    </message>
    <message>
        <source>start date</source>
        <translation>begindatum</translation>
    </message>
    <message>
        <source>end date</source>
        <translation>einddatum</translation>
    </message>
    <message>
        <source>opening balance</source>
        <translation>beginsaldo</translation>
    </message>
    <message>
        <source>closing balance</source>
        <translation>eindsaldo</translation>
    </message>
</context>
<context>
    <name>SummaryPage</name>
    <message>
        <source>Running total of charged - due</source>
        <translation>Lopend totaal van in rekening gebracht - verschuldigd</translation>
    </message>
    <message>
        <source>No posting to compare.</source>
        <translation>Geen renteboeking om te vergelijken.</translation>
    </message>
    <message>
        <source>By calendar year</source>
        <translation>Per kalenderjaar</translation>
    </message>
    <message>
        <source>Interest charged and interest due</source>
        <translation>In rekening gebrachte en verschuldigde rente</translation>
    </message>
    <message>
        <source>The report&apos;s interest adds up to more than an amount can hold: no summary.</source>
        <translation>De rente van het rapport telt op tot meer dan een bedrag kan bevatten: geen samenvatting.</translation>
    </message>
    <message>
        <source>What explains them</source>
        <translation>Wat ze verklaart</translation>
    </message>
    <message>
        <source>%1 more in the summary window and the report tool.</source>
        <translation>Nog %1 in het samenvattingsvenster en het rapportvenster.</translation>
    </message>
</context>
<context>
    <name>SummaryRendering</name>
    <message>
        <source>%1 month</source>
        <translation>%1 maand</translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation>%1 maanden</translation>
    </message>
    <message>
        <source>%1 posting</source>
        <translation>%1 renteboeking</translation>
    </message>
    <message>
        <source>%1 postings</source>
        <translation>%1 renteboekingen</translation>
    </message>
    <message>
        <source>%1 year</source>
        <translation>%1 jaar</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 jaar</translation>
    </message>
    <message>
        <source>more in %1 and less in %2 of %3</source>
        <translation>meer in %1 en minder in %2 van %3</translation>
    </message>
    <message>
        <source>more in %1 of %2</source>
        <translation>meer in %1 van %2</translation>
    </message>
    <message>
        <source>less in %1 of %2</source>
        <translation>minder in %1 van %2</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>van %1</translation>
    </message>
    <message>
        <source>The report has no interest charged or due to compare</source>
        <translation>Het rapport heeft geen in rekening gebrachte of verschuldigde rente om te vergelijken</translation>
    </message>
    <message>
        <source>Over %1 your lender charged %2 more interest than these figures give, %3</source>
        <translation>Over %1 bracht uw geldverstrekker %2 meer rente in rekening dan deze cijfers geven, %3</translation>
    </message>
    <message>
        <source>Over %1 your lender charged %2 less interest than these figures give, %3</source>
        <translation>Over %1 bracht uw geldverstrekker %2 minder rente in rekening dan deze cijfers geven, %3</translation>
    </message>
    <message>
        <source>Over %1 your lender charged the interest these figures give</source>
        <translation>Over %1 bracht uw geldverstrekker de rente in rekening die deze cijfers geven</translation>
    </message>
    <message>
        <source>Over %1 your lender charged the interest these figures give, in all %2 months</source>
        <translation>Over %1 bracht uw geldverstrekker de rente in rekening die deze cijfers geven, in alle %2 maanden</translation>
    </message>
    <message>
        <source>Over %1 your lender charged in total the interest these figures give, though %2</source>
        <translation>Over %1 bracht uw geldverstrekker in totaal de rente in rekening die deze cijfers geven, zij het %2</translation>
    </message>
    <message>
        <source>Each charge of the lender is compared with the interest due posted on
its date; amounts are added up as the report shows them, to the cent.</source>
        <translation>Elke boeking van de geldverstrekker wordt vergeleken met de verschuldigde rente die op
dezelfde datum is geboekt; bedragen worden opgeteld zoals het rapport ze toont, op de cent.</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>Charged</source>
        <translation>In rekening gebracht</translation>
    </message>
    <message>
        <source>Due</source>
        <extracomment>Interest due</extracomment>
        <translation>Verschuldigd</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Verschil</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Total of every posting</source>
        <translation>Totaal van alle renteboekingen</translation>
    </message>
    <message>
        <source>Total compared</source>
        <translation>Totaal vergeleken</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Rate entered</source>
        <translation>Ingevoerd rentepercentage</translation>
    </message>
    <message>
        <source>Effective rate</source>
        <translation>Effectieve rente</translation>
    </message>
    <message>
        <source>No posting that can be compared has a lender&apos;s charge to find the effective rate of.</source>
        <translation>Geen enkele vergelijkbare renteboeking heeft geboekte rente van de geldverstrekker waarvan de effectieve rente kan worden bepaald.</translation>
    </message>
    <message>
        <source>In every one of %1 the lender charged the interest due or effectively a rate within %2 percentage points of the rates entered for the period.</source>
        <translation>Bij elk van de %1 bracht de geldverstrekker de verschuldigde rente in rekening, of in feite een rentepercentage binnen %2 procentpunt van de voor de periode ingevoerde rentepercentages.</translation>
    </message>
    <message>
        <source>In %1 of %2 the lender effectively charged a rate %3 percentage points or more from every rate entered for the period: look there first.</source>
        <translation>Bij %1 van %2 rekende de geldverstrekker in feite een rentepercentage dat %3 procentpunt of meer afwijkt van elk voor de periode ingevoerd rentepercentage: kijk daar eerst.</translation>
    </message>
    <message>
        <source>a missing statement (%1)</source>
        <translation>een ontbrekend afschrift (%1)</translation>
    </message>
    <message>
        <source>statements missing before it</source>
        <translation>ontbrekende afschriften ervoor</translation>
    </message>
    <message>
        <source>a history that starts part-way through the lender&apos;s period</source>
        <translation>een historie die halverwege de periode van de geldverstrekker begint</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>, not counting %1 whose period is incomplete: %2</source>
        <translation>, zonder %1 waarvan de periode onvolledig is: %2</translation>
    </message>
    <message>
        <source>Method: none; the transactions alone, no interest calculated.</source>
        <translation>Methode: geen; alleen de transacties, geen rente berekend.</translation>
    </message>
    <message>
        <source>Method: %1, interest periods ending on day %2 of each month.</source>
        <translation>Methode: %1, renteperioden die eindigen op dag %2 van elke maand.</translation>
    </message>
    <message>
        <source>Method: %1.</source>
        <translation>Methode: %1.</translation>
    </message>
    <message>
        <source>Conventions: %1.</source>
        <translation>Rekenregels: %1.</translation>
    </message>
    <message>
        <source>Interest charged:</source>
        <translation>In rekening gebrachte rente:</translation>
    </message>
    <message>
        <source>Interest due:</source>
        <translation>Verschuldigde rente:</translation>
    </message>
    <message>
        <source>Charged - due:</source>
        <translation>In rekening gebracht - verschuldigd:</translation>
    </message>
    <message>
        <source>Over-charged (%1):</source>
        <translation>Te veel in rekening gebracht (%1):</translation>
    </message>
    <message>
        <source>Under-charged (%1):</source>
        <translation>Te weinig in rekening gebracht (%1):</translation>
    </message>
    <message>
        <source>Charges without a posting (%1):</source>
        <translation>Geboekte rente zonder renteregel (%1):</translation>
    </message>
    <message>
        <source>Postings without a charge (%1):</source>
        <translation>Renteregels zonder geboekte rente (%1):</translation>
    </message>
    <message>
        <source>Incomplete periods (%1):</source>
        <translation>Onvolledige perioden (%1):</translation>
    </message>
    <message>
        <source>Interest charged and interest due</source>
        <translation>In rekening gebrachte en verschuldigde rente</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Rekening: %1</translation>
    </message>
    <message>
        <source>Incomplete periods (not counted above)</source>
        <translation>Onvolledige perioden (hierboven niet meegeteld)</translation>
    </message>
    <message>
        <source>Largest differences</source>
        <translation>Grootste verschillen</translation>
    </message>
    <message>
        <source>None: every posting agrees.</source>
        <translation>Geen: elke renteboeking klopt.</translation>
    </message>
    <message>
        <source>By calendar year</source>
        <translation>Per kalenderjaar</translation>
    </message>
    <message>
        <source>Charges without an interest posting on their date</source>
        <translation>Geboekte rente zonder renteregel op dezelfde datum</translation>
    </message>
    <message>
        <source>Interest postings without a charge on their date</source>
        <translation>Renteregels zonder geboekte rente op dezelfde datum</translation>
    </message>
    <message>
        <source>* holds a posting whose period is incomplete (in the totals, not in the comparison).</source>
        <translation>* bevat een renteboeking waarvan de periode onvolledig is (in de totalen, niet in de vergelijking).</translation>
    </message>
</context>
<context>
    <name>SummaryWindow</name>
    <message>
        <source>By calendar year</source>
        <translation>Per kalenderjaar</translation>
    </message>
    <message>
        <source>Largest differences</source>
        <translation>Grootste verschillen</translation>
    </message>
    <message>
        <source>Charges without a posting and postings without a charge</source>
        <translation>Geboekte rente zonder renteregel en renteregels zonder geboekte rente</translation>
    </message>
    <message>
        <source>Not paired</source>
        <translation>Niet gekoppeld</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Charged</source>
        <translation>In rekening gebracht</translation>
    </message>
    <message>
        <source>Due</source>
        <extracomment>The interest due, as the calculation gives it.</extracomment>
        <translation>Verschuldigd</translation>
    </message>
    <message>
        <source>Running total of charged - due</source>
        <translation>Lopend totaal van in rekening gebracht - verschuldigd</translation>
    </message>
    <message>
        <source>Interest charged and due by year</source>
        <translation>In rekening gebrachte en verschuldigde rente per jaar</translation>
    </message>
    <message>
        <source>Prepare a Com&amp;plaint...</source>
        <translation>&amp;Klacht voorbereiden...</translation>
    </message>
    <message>
        <source>A letter to the lender raising the postings it overcharged, and the evidence behind it.</source>
        <translation>Een brief aan de geldverstrekker over de renteboekingen waarvoor hij te veel in rekening bracht, met de bewijsstukken erbij.</translation>
    </message>
    <message>
        <source>Copy as Text</source>
        <translation>Als tekst kopiëren</translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation>&amp;Uitwerking tonen</translation>
    </message>
    <message>
        <source>Every day behind the largest difference selected. Tick a difference to print its working after the report.</source>
        <translation>Elke dag achter het grootste geselecteerde verschil. Vink een verschil aan om de uitwerking ervan na het rapport af te drukken.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Changes of the reference passed on</source>
        <translation>Wijzigingen van de referentie doorgevoerd</translation>
    </message>
    <message>
        <source>What explains them</source>
        <translation>Wat ze verklaart</translation>
    </message>
    <message>
        <source>Show Working of the E&amp;xplanation</source>
        <translation>Uitwerking van de &amp;verklaring tonen</translation>
    </message>
    <message>
        <source>Every posting of the explanation&apos;s span in Show Working: the days as due beside the days as the lender worked them, and the lender&apos;s own charges.</source>
        <translation>Elke renteboeking binnen de periode van de verklaring in Uitwerking tonen: de dagen zoals verschuldigd naast de dagen zoals de geldverstrekker ze berekende, en de eigen boekingen van de geldverstrekker.</translation>
    </message>
    <message>
        <source>Changes of %1 passed on</source>
        <translation>Wijzigingen van %1 doorgevoerd</translation>
    </message>
    <message>
        <source> and </source>
        <translation> en </translation>
    </message>
    <message>
        <source>Ticked: the printed report ends with this posting&apos;s working.</source>
        <translation>Aangevinkt: het afgedrukte rapport eindigt met de uitwerking van deze renteboeking.</translation>
    </message>
    <message>
        <source>Charged - due, added up</source>
        <translation>In rekening gebracht - verschuldigd, opgeteld</translation>
    </message>
    <message>
        <source>Charged - due, added up over every posting</source>
        <translation>In rekening gebracht - verschuldigd, opgeteld over alle renteboekingen</translation>
    </message>
    <message>
        <source>%1
Charged: %2
Due: %3
Difference: %4
Running total: %5</source>
        <translation>%1
In rekening gebracht: %2
Verschuldigd: %3
Verschil: %4
Lopend totaal: %5</translation>
    </message>
    <message>
        <source>%1
Charged: %2
Due: %3
Difference: %4</source>
        <translation>%1
In rekening gebracht: %2
Verschuldigd: %3
Verschil: %4</translation>
    </message>
    <message>
        <source>Print in the report window prints the report or saves it as PDF.</source>
        <translation>Afdrukken in het rapportvenster drukt het rapport af of slaat het op als PDF.</translation>
    </message>
    <message>
        <source> The printed report ends with the working of the posting ticked.</source>
        <translation> Het afgedrukte rapport eindigt met de uitwerking van de aangevinkte renteboeking.</translation>
    </message>
    <message>
        <source> The printed report ends with the working of the %1 postings ticked.</source>
        <translation> Het afgedrukte rapport eindigt met de uitwerking van de %1 aangevinkte renteboekingen.</translation>
    </message>
    <message>
        <source> Tick a difference to end the printed report with its working.</source>
        <translation> Vink een verschil aan om het afgedrukte rapport met de uitwerking ervan te laten eindigen.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Samenvatting</translation>
    </message>
    <message>
        <source>The report&apos;s interest adds up to more than an amount can hold: no summary.</source>
        <translation>De rente van het rapport telt op tot meer dan een bedrag kan bevatten: geen samenvatting.</translation>
    </message>
    <message>
        <source>Next: Show Working opens every day behind the largest difference. %1</source>
        <translation>Volgende stap: Uitwerking tonen opent elke dag achter het grootste verschil. %1</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Volgende stap: %1</translation>
    </message>
</context>
<context>
    <name>TermsCheck</name>
    <message>
        <source>The account holds no rate terms: enter them in Lender, Rate Terms.</source>
        <translation>De rekening bevat geen rentevoorwaarden: voer ze in via Geldverstrekker, Rentevoorwaarden.</translation>
    </message>
    <message>
        <source>The rate terms do not owe a rate on every day of the history: the report runs under the stored rate periods.</source>
        <translation>De rentevoorwaarden maken niet voor elke dag van de historie een rentepercentage verschuldigd: het rapport gebruikt de opgeslagen renteperioden.</translation>
    </message>
    <message>
        <source>The interest due is worked out under the rates the loan&apos;s terms owe, not the stored rate periods.</source>
        <translation>De verschuldigde rente wordt berekend volgens de rentepercentages die op grond van de voorwaarden van de lening verschuldigd zijn, niet volgens de opgeslagen renteperioden.</translation>
    </message>
</context>
<context>
    <name>TermsStore</name>
    <message>
        <source>The series rate with ID %1 does not read and is left out.</source>
        <translation>Het rentepercentage van de reeks met ID %1 is niet leesbaar en wordt weggelaten.</translation>
    </message>
    <message>
        <source>The rate terms with ID %1 do not read and are left out.</source>
        <translation>De rentevoorwaarden met ID %1 zijn niet leesbaar en worden weggelaten.</translation>
    </message>
</context>
<context>
    <name>TransactionGuard</name>
    <message>
        <source>No transaction is open.</source>
        <translation>Er is geen transactie geopend.</translation>
    </message>
</context>
<context>
    <name>WorkingPage</name>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (vervolg)</translation>
    </message>
    <message>
        <source>Vantrell: %1</source>
        <translation>Vantrell: %1</translation>
    </message>
    <message>
        <source>%1: page %2 of %3</source>
        <translation>%1: pagina %2 van %3</translation>
    </message>
    <message>
        <source>The page has no room to print on.</source>
        <translation>De pagina heeft geen ruimte om op af te drukken.</translation>
    </message>
    <message>
        <source>The working could not be sent to the printer or file.</source>
        <translation>De uitwerking kon niet naar de printer of het bestand worden gestuurd.</translation>
    </message>
    <message>
        <source>The printer or file took no further page.</source>
        <translation>De printer of het bestand nam geen volgende pagina meer aan.</translation>
    </message>
    <message>
        <source>The working could not be finished on the printer or file.</source>
        <translation>De uitwerking kon niet worden voltooid op de printer of in het bestand.</translation>
    </message>
</context>
<context>
    <name>WorkingRendering</name>
    <message>
        <source>No: a balance row reset the balance within the period (statements are missing before it)</source>
        <translation>Nee: een saldoregel heeft het saldo binnen de periode gecorrigeerd (er ontbreken afschriften ervoor)</translation>
    </message>
    <message>
        <source>No: the history starts part-way through the lender&apos;s period</source>
        <translation>Nee: de historie begint halverwege de periode van de geldverstrekker</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Period: no day accrued interest.</source>
        <translation>Periode: op geen enkele dag is rente opgebouwd.</translation>
    </message>
    <message>
        <source>Period: %1 to %2, %3 day</source>
        <translation>Periode: %1 tot %2, %3 dag</translation>
    </message>
    <message>
        <source>Period: %1 to %2, %3 days</source>
        <translation>Periode: %1 tot %2, %3 dagen</translation>
    </message>
    <message>
        <source> bearing %1 day of interest</source>
        <translation> met %1 dag rente</translation>
    </message>
    <message>
        <source> bearing %1 days of interest</source>
        <translation> met %1 dagen rente</translation>
    </message>
    <message>
        <source>Rest: the posting period. The balance on its first day is held for the period (Held balance).</source>
        <extracomment>&quot;Rest&quot;: the interest rest, the balance held for a block of days</extracomment>
        <translation>Saldoberekening: de boekingsperiode. Het saldo op de eerste dag ervan wordt voor de hele periode vastgehouden (Vastgehouden saldo).</translation>
    </message>
    <message>
        <source>Rest: %1. The balance on the first day of each block is held for the block (Held balance).</source>
        <extracomment>&quot;Rest&quot;: the interest rest; %1 is its length</extracomment>
        <translation>Saldoberekening: %1. Het saldo op de eerste dag van elk blok wordt voor het hele blok vastgehouden (Vastgehouden saldo).</translation>
    </message>
    <message>
        <source>Equal periods: each posting period is 1/%1 of a year; each of its days bears 1/(%1 × its days) of the yearly rate (Part of a year).</source>
        <translation>Gelijke perioden: elke boekingsperiode is 1/%1 van een jaar; elke dag ervan draagt 1/(%1 × het aantal dagen) van het jaarpercentage (Deel van een jaar).</translation>
    </message>
    <message>
        <source>Compounding: each day bears the nominal rate over %1 periods a year equivalent to the rate entered compounded half-yearly.</source>
        <translation>Rente-op-rente: elke dag draagt het nominale rentepercentage over %1 perioden per jaar dat gelijkwaardig is aan het ingevoerde rentepercentage met halfjaarlijkse rente-op-rente.</translation>
    </message>
    <message>
        <source>%1 % for %2 % entered</source>
        <translation>%1 % bij ingevoerde %2 %</translation>
    </message>
    <message>
        <source>Rate the days bear: %1.</source>
        <translation>Rentepercentage dat de dagen dragen: %1.</translation>
    </message>
    <message>
        <source>Held balance</source>
        <translation>Vastgehouden saldo</translation>
    </message>
    <message>
        <source>Part of a year</source>
        <translation>Deel van een jaar</translation>
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
        <translation>Compensatie</translation>
    </message>
    <message>
        <source>Bears interest</source>
        <translation>Rentedragend</translation>
    </message>
    <message>
        <source>Deferred</source>
        <translation>Uitgesteld</translation>
    </message>
    <message>
        <source>Rate %</source>
        <translation>Rente %</translation>
    </message>
    <message>
        <source>Divisor</source>
        <translation>Deler</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dagen</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Rente</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>Lopend totaal</translation>
    </message>
    <message>
        <source>%1 to %2 %</source>
        <translation>%1 tot %2 %</translation>
    </message>
    <message>
        <source>none: the lender charged nothing on this date</source>
        <translation>geen: de geldverstrekker bracht op deze datum niets in rekening</translation>
    </message>
    <message>
        <source>none: the posting cannot be compared</source>
        <translation>geen: de renteboeking kan niet worden vergeleken</translation>
    </message>
    <message>
        <source>none: no balance bore interest in the period</source>
        <translation>geen: in de periode droeg geen enkel saldo rente</translation>
    </message>
    <message>
        <source>none: no rate from %1 to %2 % comes to the charge</source>
        <translation>geen: geen enkel rentepercentage van %1 tot %2 % komt uit op de boeking</translation>
    </message>
    <message>
        <source>Working of the interest due on %1</source>
        <translation>Uitwerking van de verschuldigde rente op %1</translation>
    </message>
    <message>
        <source>Total of the days, unrounded:</source>
        <translation>Totaal van de dagen, onafgerond:</translation>
    </message>
    <message>
        <source>Total of the days:</source>
        <translation>Totaal van de dagen:</translation>
    </message>
    <message>
        <source>Interest due (Int Due):</source>
        <translation>Verschuldigde rente (Versch. rente):</translation>
    </message>
    <message>
        <source>Lender&apos;s charge (Int Charge):</source>
        <translation>Geboekte rente van de geldverstrekker (Geb. rente):</translation>
    </message>
    <message>
        <source>Charged - due:</source>
        <translation>In rekening gebracht - verschuldigd:</translation>
    </message>
    <message>
        <source>none on this date</source>
        <translation>geen op deze datum</translation>
    </message>
    <message>
        <source>Rate entered:</source>
        <translation>Ingevoerd rentepercentage:</translation>
    </message>
    <message>
        <source>Effective rate:</source>
        <translation>Effectieve rente:</translation>
    </message>
    <message>
        <source>Comparable:</source>
        <translation>Vergelijkbaar:</translation>
    </message>
    <message>
        <source>≈ No rate gives the charge exactly: a step of the rounding jumps over it. The rate shown is where it does.</source>
        <translation>≈ Geen enkel rentepercentage geeft precies de boeking: een afrondingsstap springt eroverheen. Het getoonde rentepercentage is het punt waar die sprong plaatsvindt.</translation>
    </message>
    <message>
        <source>The effective rate lies %1 percentage points or more from every rate entered for the period.</source>
        <translation>De effectieve rente ligt %1 procentpunt of meer af van elk voor de periode ingevoerd rentepercentage.</translation>
    </message>
    <message>
        <source>* A balance row reset the balance at the end of the day before: the history does not reach the balance the bank stated.</source>
        <translation>* Een saldoregel heeft het saldo aan het eind van de dag ervoor gecorrigeerd: de historie komt niet uit op het saldo dat de bank vermeldde.</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>The days of the period</source>
        <translation>De dagen van de periode</translation>
    </message>
    <message>
        <source>Total, charge and rates</source>
        <translation>Totaal, geboekte rente en rentepercentages</translation>
    </message>
    <message>
        <source>Print with the &amp;report</source>
        <translation>Afdrukken met het &amp;rapport</translation>
    </message>
    <message>
        <source>The printed report ends with the working of every posting ticked here or in the summary&apos;s largest differences, each on its own page.</source>
        <translation>Het afgedrukte rapport eindigt met de uitwerking van elke renteboeking die hier of bij de grootste verschillen in de samenvatting is aangevinkt, elk op een eigen pagina.</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>V&amp;orige</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Volgende</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Copies the days, tab-separated, to paste into a spreadsheet.</source>
        <translation>Kopieert de dagen, gescheiden door tabs, om in een spreadsheet te plakken.</translation>
    </message>
    <message>
        <source>&amp;Save as CSV...</source>
        <translation>Opslaan als &amp;csv...</translation>
    </message>
    <message>
        <source>Print or P&amp;DF...</source>
        <translation>Afdrukken of P&amp;DF...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>The report has no interest posting.</source>
        <translation>Het rapport heeft geen renteboeking.</translation>
    </message>
    <message>
        <source>Show Working of the Explanation</source>
        <translation>Uitwerking van de verklaring tonen</translation>
    </message>
    <message>
        <source>Save the Working as CSV</source>
        <translation>Uitwerking opslaan als CSV</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 bestaat al. Vervangen?</translation>
    </message>
    <message>
        <source>Show Working</source>
        <translation>Uitwerking tonen</translation>
    </message>
    <message>
        <source>The working could not be saved: %1</source>
        <translation>De uitwerking kon niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>Show Working: %1</source>
        <extracomment>%1 is the posting&apos;s date.</extracomment>
        <translation>Uitwerking tonen: %1</translation>
    </message>
    <message>
        <source>CSV files|*.csv</source>
        <translation>CSV-bestanden|*.csv</translation>
    </message>
    <message>
        <source>Working %1.csv</source>
        <translation>Uitwerking %1.csv</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Checks the interest a lender charged on a home loan: enter each statement&apos;s transactions and interest rates, and the report sets the interest due beside the interest charged.</source>
        <translation>Controleert de rente die een geldverstrekker op een hypotheek in rekening heeft gebracht: voer de transacties en rentepercentages van elk afschrift in, en het rapport zet de verschuldigde rente naast de in rekening gebrachte rente.</translation>
    </message>
    <message>
        <source>About Vantrell</source>
        <translation>Over Vantrell</translation>
    </message>
</context>
<context>
    <name>frmAllRecords</name>
    <message>
        <source>View/Amend Transactions</source>
        <translation>Transacties bekijken/wijzigen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Govt Charge</source>
        <translation>Overheidsheffing</translation>
    </message>
    <message>
        <source>Bank Charge</source>
        <translation>Bankkosten</translation>
    </message>
    <message>
        <source>User Withdrawal</source>
        <translation>Opname</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Storting</translation>
    </message>
    <message>
        <source>Interest Charge</source>
        <extracomment>The interest the lender charged on the row&apos;s date</extracomment>
        <translation>Geboekte rente</translation>
    </message>
    <message>
        <source>Balance</source>
        <extracomment>The balance before the row&apos;s amounts</extracomment>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>CloseBalance</source>
        <extracomment>The balance after the row&apos;s amounts</extracomment>
        <translation>Eindsaldo</translation>
    </message>
</context>
<context>
    <name>frmCalculate</name>
    <message>
        <source>Interest Report</source>
        <translation>Renterapport</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Print Preview</source>
        <translation>Afdruk&amp;voorbeeld</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Samenvatting</translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation>&amp;Uitwerking tonen</translation>
    </message>
    <message>
        <source>Co&amp;mplaint...</source>
        <translation>&amp;Klacht...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>The report has no interest posting to show the working of.</source>
        <translation>Het rapport heeft geen renteboeking waarvan de uitwerking kan worden getoond.</translation>
    </message>
    <message>
        <source>Requery Error: %1</source>
        <translation>Fout bij opnieuw opvragen: %1</translation>
    </message>
    <message>
        <source>Clear Report error</source>
        <extracomment>Followed at once by the database&apos;s error code and text.</extracomment>
        <translation>Fout bij het wissen van het rapport</translation>
    </message>
    <message>
        <source>Preview Error: %1</source>
        <translation>Fout bij voorbeeld: %1</translation>
    </message>
    <message>
        <source>Print Error: %1</source>
        <translation>Fout bij afdrukken: %1</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Afdrukken</translation>
    </message>
    <message>
        <source>&lt;&lt;&amp;Back</source>
        <translation>&lt;&lt;&amp;Vorige</translation>
    </message>
    <message>
        <source>&amp;Next&gt;&gt;</source>
        <translation>&amp;Volgende&gt;&gt;</translation>
    </message>
    <message>
        <source>Vantrell Help</source>
        <translation>Vantrell Help</translation>
    </message>
</context>
<context>
    <name>frmInformation</name>
    <message>
        <source>Missing Statement</source>
        <translation>Ontbrekend afschrift</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Negeren</translation>
    </message>
    <message>
        <source>Enter Statement</source>
        <translation>Afschrift invoeren</translation>
    </message>
    <message>
        <source>Statement Number
</source>
        <extracomment>The notice reads in three boxes: this, the statement&apos;s number, then &quot;has not been entered…&quot;.</extracomment>
        <translation>Afschriftnummer
</translation>
    </message>
    <message>
        <source>has not been entered. Calculated Interest Due for this period will not be 
accurate.
</source>
        <extracomment>Follows &quot;Statement Number&quot; and the statement&apos;s number.</extracomment>
        <translation>is niet ingevoerd. De berekende verschuldigde rente voor deze periode is niet 
nauwkeurig.
</translation>
    </message>
</context>
<context>
    <name>frmMethod</name>
    <message>
        <source>Interest Calculation Method</source>
        <translation>Renteberekeningsmethode</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Fixed Day</source>
        <translation>Vaste dag</translation>
    </message>
    <message>
        <source>Fixed Day, Deferred Interest</source>
        <translation>Vaste dag, uitgestelde rente</translation>
    </message>
    <message>
        <source>Variable Day</source>
        <translation>Variabele dag</translation>
    </message>
    <message>
        <source>Variable Day, Deferred Interest</source>
        <translation>Variabele dag, uitgestelde rente</translation>
    </message>
    <message>
        <source>Select Interest Calculation Method:</source>
        <translation>Kies de renteberekeningsmethode:</translation>
    </message>
    <message>
        <source>Day of Month Interest Paid From:</source>
        <translation>Dag van de maand waarop de renteperiode begint:</translation>
    </message>
    <message>
        <source>Lender&apos;s Conventions</source>
        <translation>Rekenregels van de geldverstrekker</translation>
    </message>
    <message>
        <source>Find Lender&apos;s Method</source>
        <translation>Methode van de geldverstrekker zoeken</translation>
    </message>
    <message>
        <source>Offset Account</source>
        <translation>Compensatierekening</translation>
    </message>
    <message>
        <source>Please enter the day of month that Interest Calculations start.
Or choose Variable Day.</source>
        <translation>Voer de dag van de maand in waarop de renteberekening begint.
Of kies Variabele dag.</translation>
    </message>
</context>
<context>
    <name>frmNewStatement</name>
    <message>
        <source>Enter Statement Details</source>
        <translation>Afschriftgegevens invoeren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a statement number. Please enter a whole number.</source>
        <translation>%1 &quot;%2&quot; is geen afschriftnummer. Voer een geheel getal in.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a date. Please enter it as %3.</source>
        <translation>%1 &quot;%2&quot; is geen datum. Voer deze in als %3.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not an amount. Please enter a number, with a &apos;-&apos; (minus) sign if the Loan Account was in debit.</source>
        <translation>%1 &quot;%2&quot; is geen bedrag. Voer een getal in, met een &apos;-&apos;-teken (min) als de leningrekening debet stond.</translation>
    </message>
    <message>
        <source>Statement Number:</source>
        <translation>Afschriftnummer:</translation>
    </message>
    <message>
        <source>Statement Start Date:</source>
        <translation>Begindatum afschrift:</translation>
    </message>
    <message>
        <source>Opening Balance:</source>
        <translation>Beginsaldo:</translation>
    </message>
    <message>
        <source>Statement End Date:</source>
        <translation>Einddatum afschrift:</translation>
    </message>
    <message>
        <source>Closing Balance:</source>
        <translation>Eindsaldo:</translation>
    </message>
    <message>
        <source>Please enter all statement details requested.</source>
        <translation>Voer alle gevraagde afschriftgegevens in.</translation>
    </message>
    <message>
        <source>Please check Statement Start Date and Statement End Date.</source>
        <translation>Controleer Begindatum afschrift en Einddatum afschrift.</translation>
    </message>
    <message>
        <source>Please enter all Interest Rate details for this Loan Account.</source>
        <translation>Voer alle rentegegevens voor deze leningrekening in.</translation>
    </message>
    <message>
        <source>Vantrell Verification</source>
        <translation>Vantrell-controle</translation>
    </message>
    <message>
        <source>Are you sure your Loan Account
was in Credit?
If not use &apos;-&apos; (minus signs).</source>
        <translation>Weet u zeker dat uw leningrekening
credit stond?
Zo niet, gebruik dan &apos;-&apos; (mintekens).</translation>
    </message>
    <message>
        <source>This statement has already been entered.
Do you want to continue?</source>
        <translation>Dit afschrift is al ingevoerd.
Wilt u doorgaan?</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Tasks</source>
        <translation>Taken</translation>
    </message>
    <message>
        <source>Enter Statement Details</source>
        <translation>Afschriftgegevens invoeren</translation>
    </message>
    <message>
        <source>View/Amend Interest Changes</source>
        <translation>Rentewijzigingen bekijken/wijzigen</translation>
    </message>
    <message>
        <source>View/Amend Transactions</source>
        <translation>Transacties bekijken/wijzigen</translation>
    </message>
    <message>
        <source>View Report</source>
        <translation>Rapport bekijken</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Task Menu</source>
        <translation>Takenmenu</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Check the interest your lender charged on your home loan.
Start a new loan account, or open one you have saved.</source>
        <translation>Controleer de rente die uw geldverstrekker op uw hypotheek in rekening heeft gebracht.
Begin een nieuwe leningrekening, of open een rekening die u hebt opgeslagen.</translation>
    </message>
    <message>
        <source>New Loan Account</source>
        <translation>Nieuwe leningrekening</translation>
    </message>
    <message>
        <source>Open Loan Account</source>
        <translation>Leningrekening openen</translation>
    </message>
    <message>
        <source>Check a Loan from the Bank&apos;s File…</source>
        <translation>Lening controleren uit het bankbestand…</translation>
    </message>
    <message>
        <source>Check a Split Loan…</source>
        <translation>Gesplitste lening controleren…</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Aan de slag</translation>
    </message>
</context>
<context>
    <name>frmThisSession</name>
    <message>
        <source>Statement Transactions</source>
        <translation>Transacties van het afschrift</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importeren...</translation>
    </message>
    <message>
        <source>The opening balance &quot;%1&quot; is not an amount.</source>
        <translation>Het beginsaldo &quot;%1&quot; is geen bedrag.</translation>
    </message>
    <message>
        <source>The balance after the row of %1 is outside the range of amounts.</source>
        <translation>Het saldo na de rij van %1 valt buiten het bereik van bedragen.</translation>
    </message>
    <message>
        <source>Please enter all statement details for current session.</source>
        <translation>Voer alle afschriftgegevens voor de huidige sessie in.</translation>
    </message>
    <message>
        <source>An error has occurred. Please re-enter your data. %1</source>
        <extracomment>%1 is why the rows could not be read again.</extracomment>
        <translation>Er is een fout opgetreden. Voer uw gegevens opnieuw in. %1</translation>
    </message>
    <message>
        <source>Get Balance Error %1</source>
        <translation>Fout bij ophalen saldo %1</translation>
    </message>
    <message>
        <source>Please enter a valid date.</source>
        <translation>Voer een geldige datum in.</translation>
    </message>
    <message>
        <source>Errors in data entry, please check your figures. Include &apos;-&apos; (minus) sign in Open and Close Balances if appropriate.</source>
        <translation>Fouten bij de invoer; controleer uw cijfers. Zet zo nodig een &apos;-&apos;-teken (min) voor begin- en eindsaldo.</translation>
    </message>
    <message>
        <source>Date error, please check all dates.</source>
        <translation>Datumfout, controleer alle datums.</translation>
    </message>
    <message>
        <source>Date Error. Please check all dates.</source>
        <translation>Datumfout. Controleer alle datums.</translation>
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
        <translation>Overheidsheffing</translation>
    </message>
    <message>
        <source>Bank Charge</source>
        <translation>Bankkosten</translation>
    </message>
    <message>
        <source>User W&apos;drawal</source>
        <extracomment>The column of the borrower&apos;s own withdrawals, shortened to fit.</extracomment>
        <translation>Opname</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Storting</translation>
    </message>
    <message>
        <source>Interest Charge</source>
        <extracomment>The column of the interest the lender charged.</extracomment>
        <translation>Geboekte rente</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>The rows were imported, but the file&apos;s layout could not be remembered: %1</source>
        <translation>De rijen zijn geïmporteerd, maar de indeling van het bestand kon niet worden onthouden: %1</translation>
    </message>
</context>
<context>
    <name>frmUserInterestChanges</name>
    <message>
        <source>Interest Rate Changes</source>
        <translation>Rentewijzigingen</translation>
    </message>
    <message>
        <source>Reads rate periods back from the interest your lender charged, for a history without its rate letters.</source>
        <translation>Leidt renteperioden af uit de rente die uw geldverstrekker in rekening bracht, voor een historie zonder de renteberichten.</translation>
    </message>
    <message>
        <source>Valid From</source>
        <translation>Geldig vanaf</translation>
    </message>
    <message>
        <source>Valid To</source>
        <translation>Geldig tot</translation>
    </message>
    <message>
        <source>Interest Rate</source>
        <translation>Rentepercentage</translation>
    </message>
    <message>
        <source>Propose from Charges…</source>
        <translation>Voorstellen uit geboekte rente…</translation>
    </message>
    <message>
        <source>You must enter a statement first.</source>
        <translation>U moet eerst een afschrift invoeren.</translation>
    </message>
    <message>
        <source>Please enter interest rates.</source>
        <translation>Voer de rentepercentages in.</translation>
    </message>
    <message>
        <source>Date Error. Please check all dates.</source>
        <translation>Datumfout. Controleer alle datums.</translation>
    </message>
    <message>
        <source>Please enter all transactions for this statement.</source>
        <translation>Voer alle transacties voor dit afschrift in.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AccountCommands</name>
    <message>
        <source>Open File Error: %1%2</source>
        <translation>Erreur d&apos;ouverture du fichier&#xa0;: %1%2</translation>
    </message>
    <message>
        <source>Data</source>
        <extracomment>The kind of file a file dialog lists: the loan accounts</extracomment>
        <translation>Données</translation>
    </message>
    <message>
        <source>Save New Account as...</source>
        <translation>Enregistrer le nouveau compte sous...</translation>
    </message>
    <message>
        <source>Open Database...</source>
        <translation>Ouvrir une base de données...</translation>
    </message>
    <message>
        <source>File Creation Error: %1</source>
        <translation>Erreur de création du fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>The account &apos;%1&apos; is in use.</source>
        <translation>Le compte «&#xa0;%1&#xa0;» est en cours d&apos;utilisation.</translation>
    </message>
</context>
<context>
    <name>AccountConnection</name>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Fichier «&#xa0;%1&#xa0;» introuvable.</translation>
    </message>
    <message>
        <source>The account file &apos;%1&apos; could not be opened safely.</source>
        <translation>Le fichier de compte «&#xa0;%1&#xa0;» n&apos;a pas pu être ouvert en toute sécurité.</translation>
    </message>
    <message>
        <source>The account schema is missing from the program.</source>
        <translation>La structure des comptes est absente du programme.</translation>
    </message>
    <message>
        <source>File already exists: %1</source>
        <translation>Le fichier existe déjà&#xa0;: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a loan account file.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier de compte de prêt.</translation>
    </message>
    <message>
        <source>The account file &apos;%1&apos; was left half-written when a program stopped. Open it in Vantrell once to repair it, then run the report again.</source>
        <translation>Le fichier de compte «&#xa0;%1&#xa0;» est resté à moitié écrit à l&apos;arrêt d&apos;un programme. Ouvrez-le une fois dans Vantrell pour le réparer, puis relancez le rapport.</translation>
    </message>
    <message>
        <source>The account file &apos;%1&apos; cannot be read.</source>
        <translation>Le fichier de compte «&#xa0;%1&#xa0;» ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The account file &apos;%1&apos; cannot be read: %2</source>
        <translation>Le fichier de compte «&#xa0;%1&#xa0;» ne peut pas être lu&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>AccountFiles</name>
    <message>
        <source>The Data folder &apos;%1&apos; cannot be written.</source>
        <translation>Le dossier Data «&#xa0;%1&#xa0;» n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>Could not create &apos;%1&apos;</source>
        <translation>Impossible de créer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Could not read &apos;%1&apos;</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Could not set the permissions of &apos;%1&apos;</source>
        <translation>Impossible de définir les autorisations de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Could not read &apos;%1&apos; safely.</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;» en toute sécurité.</translation>
    </message>
    <message>
        <source>Could not update &apos;%1&apos;</source>
        <translation>Impossible de mettre à jour «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Could not update &apos;%1&apos; safely.</source>
        <translation>Impossible de mettre à jour «&#xa0;%1&#xa0;» en toute sécurité.</translation>
    </message>
    <message>
        <source>Could not copy &apos;%1&apos;</source>
        <translation>Impossible de copier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Could not write &apos;%1&apos; to disk</source>
        <translation>Impossible d&apos;écrire «&#xa0;%1&#xa0;» sur le disque</translation>
    </message>
    <message>
        <source>Could not rename &apos;%1&apos;</source>
        <translation>Impossible de renommer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Could not write &apos;%1&apos;: %2</source>
        <translation>Impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not delete &apos;%1&apos;</source>
        <translation>Impossible de supprimer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The template &apos;%1&apos; is missing.</source>
        <translation>Le modèle «&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; already exists.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» existe déjà.</translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Fichier «&#xa0;%1&#xa0;» introuvable.</translation>
    </message>
    <message>
        <source>Could not read &apos;%1&apos;.</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a loan account file.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier de compte de prêt.</translation>
    </message>
    <message>
        <source>The account file &apos;%1&apos; is read-only.</source>
        <translation>Le fichier de compte «&#xa0;%1&#xa0;» est en lecture seule.</translation>
    </message>
    <message>
        <source>The folder &apos;%1&apos; that holds the account cannot be written.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» qui contient le compte n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; exists already</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà</translation>
    </message>
</context>
<context>
    <name>AccountSchema</name>
    <message>
        <source>Could not bring &apos;%1&apos; up to date: the account layout is missing from the program.</source>
        <translation>Impossible de mettre «&#xa0;%1&#xa0;» à jour&#xa0;: la structure du compte est absente du programme.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a loan account file: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier de compte de prêt&#xa0;: %2.</translation>
    </message>
    <message>
        <source>it has no table %1</source>
        <translation>il n&apos;a pas de table %1</translation>
    </message>
    <message>
        <source>%1 is a view, not a table</source>
        <translation>%1 est une vue, pas une table</translation>
    </message>
    <message>
        <source>%1 is not an ordinary table</source>
        <translation>%1 n&apos;est pas une table ordinaire</translation>
    </message>
    <message>
        <source>the table %1 has no column %2</source>
        <translation>la table %1 n&apos;a pas de colonne %2</translation>
    </message>
    <message>
        <source>the key ID of %1 is not assigned automatically</source>
        <translation>la clé ID de %1 n&apos;est pas attribuée automatiquement</translation>
    </message>
    <message>
        <source>the column %2 of %1 is not declared %3</source>
        <translation>la colonne %2 de %1 n&apos;est pas déclarée %3</translation>
    </message>
    <message>
        <source>the column %2 of %1 holds a value of the wrong kind in the row with ID %3</source>
        <translation>la colonne %2 de %1 contient une valeur du mauvais type dans la ligne d&apos;ID %3</translation>
    </message>
    <message>
        <source>Could not read &apos;%1&apos;: %2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>The account &apos;%1&apos; is in use by another program. Close that program, then open the account again.</source>
        <translation>Le compte «&#xa0;%1&#xa0;» est utilisé par un autre programme. Fermez ce programme, puis ouvrez à nouveau le compte.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was made by a newer version of Vantrell and cannot be opened by this one.</source>
        <translation>«&#xa0;%1&#xa0;» a été créé par une version plus récente de Vantrell et ne peut pas être ouvert par celle-ci.</translation>
    </message>
    <message>
        <source>it holds the %1 %2</source>
        <translation>il contient %1 %2</translation>
    </message>
    <message>
        <source>the table tblSettings holds the name &apos;%1&apos; more than once</source>
        <translation>la table tblSettings contient le nom «&#xa0;%1&#xa0;» plus d&apos;une fois</translation>
    </message>
    <message>
        <source>Could not bring &apos;%1&apos; up to date: %2</source>
        <translation>Impossible de mettre «&#xa0;%1&#xa0;» à jour&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>AccountStore</name>
    <message>
        <source>The account file is not open.</source>
        <translation>Le fichier de compte n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>The account&apos;s history</source>
        <translation>L&apos;historique du compte</translation>
    </message>
    <message>
        <source>day count</source>
        <translation>décompte des jours</translation>
    </message>
    <message>
        <source>rounding</source>
        <translation>arrondi</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>solde de calcul</translation>
    </message>
    <message>
        <source>compounding</source>
        <translation>capitalisation</translation>
    </message>
    <message>
        <source>periods a year</source>
        <translation>périodes par an</translation>
    </message>
    <message>
        <source>The account&apos;s lender&apos;s conventions cannot be worked with together (%1); the defaults are used instead.</source>
        <translation>Les conventions du prêteur enregistrées dans le compte ne peuvent pas être appliquées ensemble (%1)&#xa0;; les valeurs par défaut sont utilisées à la place.</translation>
    </message>
    <message>
        <source>The account holds a lender&apos;s %1 that this version of Vantrell does not know; the default is used instead.</source>
        <translation>Le compte contient, pour les conventions du prêteur, une valeur que cette version de Vantrell ne connaît pas (%1)&#xa0;; la valeur par défaut est utilisée à la place.</translation>
    </message>
    <message>
        <source> and a </source>
        <translation> et </translation>
    </message>
    <message>
        <source>The account&apos;s offset account setting is &apos;%1&apos;, neither yes nor no; the loan is taken to have no offset account.</source>
        <translation>Le paramètre de compte de compensation du compte vaut «&#xa0;%1&#xa0;», ni oui ni non&#xa0;; le prêt est considéré comme n&apos;ayant pas de compte de compensation.</translation>
    </message>
    <message>
        <source>The account holds an offset share of &apos;%1&apos;, which is not a per cent from 0 to 100; 100 is used instead.</source>
        <translation>Le compte contient une part de compensation de «&#xa0;%1&#xa0;», qui n&apos;est pas un pourcentage de 0 à 100&#xa0;; 100 est utilisé à la place.</translation>
    </message>
</context>
<context>
    <name>AmountColumns</name>
    <message>
        <source>Govt Charge</source>
        <translation>Taxes</translation>
    </message>
    <message>
        <source>Bank Charge</source>
        <translation>Frais bancaires</translation>
    </message>
    <message>
        <source>User W&apos;drawal</source>
        <translation>Retrait</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Versement</translation>
    </message>
    <message>
        <source>Interest Charge</source>
        <translation>Intérêts débités</translation>
    </message>
</context>
<context>
    <name>BankSummary</name>
    <message>
        <source>it takes the balance from %1 to %2, but the rows add up to %3</source>
        <translation>il fait passer le solde de %1 à %2, mais les lignes totalisent %3</translation>
    </message>
    <message>
        <source>its totals are %1 in and %2 out, but the rows&apos; are %3 and %4</source>
        <translation>ses totaux sont de %1 en entrée et %2 en sortie, mais ceux des lignes sont de %3 et %4</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>The file&apos;s summary does not agree with its rows: %1.</source>
        <translation>Le récapitulatif du fichier ne concorde pas avec ses lignes&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The file states an opening balance of %1 (line %2).</source>
        <translation>Le fichier indique un solde initial de %1 (ligne %2).</translation>
    </message>
    <message>
        <source>The file states a closing balance of %1 (line %2).</source>
        <translation>Le fichier indique un solde final de %1 (ligne %2).</translation>
    </message>
    <message>
        <source>The file states an opening balance of %1 on %2 (line %3).</source>
        <translation>Le fichier indique un solde initial de %1 au %2 (ligne %3).</translation>
    </message>
    <message>
        <source>The file states a closing balance of %1 on %2 (line %3).</source>
        <translation>Le fichier indique un solde final de %1 au %2 (ligne %3).</translation>
    </message>
    <message>
        <source>The statement opens on the same balance.</source>
        <translation>Le relevé s&apos;ouvre sur le même solde.</translation>
    </message>
    <message>
        <source>The statement opens on %1: check its opening balance.</source>
        <translation>Le relevé s&apos;ouvre sur %1&#xa0;: vérifiez son solde initial.</translation>
    </message>
    <message>
        <source>Its rows agree with its summary.</source>
        <translation>Ses lignes concordent avec son récapitulatif.</translation>
    </message>
</context>
<context>
    <name>BusyDialog</name>
    <message>
        <source>Reading the OFX file…</source>
        <translation>Lecture du fichier OFX…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CamtReader</name>
    <message>
        <source>The file declares a document type or entities, which a bank statement never does: it is not read.</source>
        <translation>Le fichier déclare un type de document ou des entités, ce qu&apos;un relevé bancaire ne fait jamais&#xa0;: il n&apos;est pas lu.</translation>
    </message>
    <message>
        <source>This is not a camt statement: the file has no BkToCstmrStmt or BkToCstmrAcctRpt element.</source>
        <translation>Ce n&apos;est pas un relevé camt&#xa0;: le fichier n&apos;a pas d&apos;élément BkToCstmrStmt ou BkToCstmrAcctRpt.</translation>
    </message>
    <message>
        <source>The file ends at line %1 before its XML is complete: it is cut short.</source>
        <translation>Le fichier s&apos;arrête à la ligne %1 avant que son XML soit complet&#xa0;: il est tronqué.</translation>
    </message>
    <message>
        <source>The file&apos;s XML does not read at line %1: %2</source>
        <translation>Le XML du fichier ne se lit pas à la ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The file&apos;s elements nest more than %1 deep at line %2, which no bank statement does: it is not read.</source>
        <translation>Les éléments du fichier s&apos;imbriquent sur plus de %1 niveaux à la ligne %2, ce qu&apos;aucun relevé bancaire ne fait&#xa0;: il n&apos;est pas lu.</translation>
    </message>
    <message>
        <source>The file holds more than %1 entries, balances and statements; a statement file may hold at most that many. Download a shorter period from the bank.</source>
        <translation>Le fichier contient plus de %1 écritures, soldes et relevés&#xa0;; un fichier de relevés ne peut en contenir davantage. Téléchargez une période plus courte auprès de la banque.</translation>
    </message>
    <message>
        <source>The entry has no booking date and no value date.</source>
        <translation>L&apos;écriture n&apos;a ni date de comptabilisation ni date de valeur.</translation>
    </message>
    <message>
        <source>The date &quot;%1&quot; does not read.</source>
        <translation>La date «&#xa0;%1&#xa0;» n&apos;est pas lisible.</translation>
    </message>
    <message>
        <source>The entry has no amount.</source>
        <translation>L&apos;écriture n&apos;a pas de montant.</translation>
    </message>
    <message>
        <source>The amount &quot;%1&quot; does not read.</source>
        <translation>Le montant «&#xa0;%1&#xa0;» n&apos;est pas lisible.</translation>
    </message>
    <message>
        <source>The entry does not say whether it is money in or out (CdtDbtInd is &quot;%1&quot;).</source>
        <translation>L&apos;écriture ne dit pas s&apos;il s&apos;agit d&apos;argent entrant ou sortant (CdtDbtInd vaut «&#xa0;%1&#xa0;»).</translation>
    </message>
    <message>
        <source>Not booked yet: the bank lists it as pending.</source>
        <translation>Pas encore comptabilisée&#xa0;: la banque l&apos;indique comme en attente.</translation>
    </message>
    <message>
        <source>Not booked: the bank lists it for information only.</source>
        <translation>Non comptabilisée&#xa0;: la banque l&apos;indique pour information seulement.</translation>
    </message>
    <message>
        <source>Not booked: the bank lists it as &quot;%1&quot;.</source>
        <translation>Non comptabilisée&#xa0;: la banque l&apos;indique comme «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The file is %1 MB; a statement file may be at most %2 MB. Download a shorter period from the bank.</source>
        <translation>Le fichier fait %1 Mo&#xa0;; un fichier de relevés peut faire au plus %2 Mo. Téléchargez une période plus courte auprès de la banque.</translation>
    </message>
    <message>
        <source>at line %1</source>
        <translation>à la ligne %1</translation>
    </message>
    <message>
        <source>The statement %1 states a closing balance of %2, but its opening balance of %3 and its booked entries give %4.</source>
        <translation>Le relevé %1 indique un solde final de %2, mais son solde initial de %3 et ses écritures comptabilisées donnent %4.</translation>
    </message>
    <message>
        <source>The file has no such account.</source>
        <translation>Le fichier ne contient pas ce compte.</translation>
    </message>
    <message>
        <source>The account %1 has no entries in the file.</source>
        <translation>Le compte %1 n&apos;a aucune écriture dans le fichier.</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>The file has no entries.</source>
        <translation>Le fichier n&apos;a aucune écriture.</translation>
    </message>
</context>
<context>
    <name>ColumnRules</name>
    <message>
        <source>Rule line %1, &quot;%2&quot;, is not &quot;word = column&quot; with one of the columns %3.</source>
        <translation>La ligne de règle %1, «&#xa0;%2&#xa0;», n&apos;est pas au format «&#xa0;mot = colonne&#xa0;» avec l&apos;une des colonnes %3.</translation>
    </message>
</context>
<context>
    <name>Complaint</name>
    <message>
        <source>the report&apos;s interest adds up to more than an amount can hold</source>
        <translation>les intérêts du rapport totalisent plus qu&apos;un montant ne peut contenir</translation>
    </message>
    <message>
        <source>the lender charged no posting more than its interest due: there is nothing to complain of</source>
        <translation>aucun débit d&apos;intérêts du prêteur ne dépasse ses intérêts dus&#xa0;: il n&apos;y a rien à contester</translation>
    </message>
    <message>
        <source>no posting is raised: none was charged %1 or more above its interest due, and none is ticked</source>
        <translation>aucun débit d&apos;intérêts n&apos;est contesté&#xa0;: aucun n&apos;a été débité d&apos;au moins %1 au-dessus de ses intérêts dus, et aucun n&apos;est coché</translation>
    </message>
    <message>
        <source>No letter is written: %1.</source>
        <translation>Aucune lettre n&apos;est rédigée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No letter is written: no part of the loan was checked.</source>
        <translation>Aucune lettre n&apos;est rédigée&#xa0;: aucune ligne du prêt n&apos;a été vérifiée.</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: the document could not be made</source>
        <translation>Impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: le document n&apos;a pas pu être créé</translation>
    </message>
</context>
<context>
    <name>ComplaintDetails</name>
    <message>
        <source>None</source>
        <extracomment>No country chosen</extracomment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australie</translation>
    </message>
    <message>
        <source>New Zealand</source>
        <translation>Nouvelle-Zélande</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Royaume-Uni</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irlande</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>États-Unis</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>your name</source>
        <translation>votre nom</translation>
    </message>
    <message>
        <source>the loan account number</source>
        <translation>votre numéro de compte de prêt</translation>
    </message>
    <message>
        <source>the lender&apos;s name</source>
        <translation>la dénomination du prêteur</translation>
    </message>
</context>
<context>
    <name>ComplaintWindow</name>
    <message>
        <source>Raise</source>
        <extracomment>The tick column: the posting is raised in the letter.</extracomment>
        <translation>Contester</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Charged</source>
        <translation>Débité</translation>
    </message>
    <message>
        <source>Due</source>
        <extracomment>The interest due, as the calculation gives it.</extracomment>
        <translation>Dû</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Explication</translation>
    </message>
    <message>
        <source>Postings to raise</source>
        <translation>Débits d&apos;intérêts à contester</translation>
    </message>
    <message>
        <source>&amp;Postings charged above their interest due:</source>
        <translation>&amp;Débits d&apos;intérêts supérieurs aux intérêts dus&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Write Letter and Evidence...</source>
        <translation>Rédiger la &amp;lettre et les pièces justificatives...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Votre &amp;nom&#xa0;:</translation>
    </message>
    <message>
        <source>Your a&amp;ddress:</source>
        <translation>Votre adr&amp;esse&#xa0;:</translation>
    </message>
    <message>
        <source>Loan &amp;account number:</source>
        <translation>Numéro du &amp;compte de prêt&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Lender:</source>
        <translation>&amp;Prêteur&#xa0;:</translation>
    </message>
    <message>
        <source>Lender&apos;s addr&amp;ess:</source>
        <translation>&amp;Adresse du prêteur&#xa0;:</translation>
    </message>
    <message>
        <source>The letter then says how long the lender has to answer and where you may go next.</source>
        <translation>La lettre indique ensuite le délai dont dispose le prêteur pour répondre et à qui vous pourrez vous adresser ensuite.</translation>
    </message>
    <message>
        <source>C&amp;ountry:</source>
        <translation>Pa&amp;ys&#xa0;:</translation>
    </message>
    <message>
        <source>A posting charged this much or more above its due is ticked.</source>
        <translation>Un débit d&apos;intérêts supérieur d&apos;au moins ce montant à ses intérêts dus est coché.</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Seuil&#xa0;:</translation>
    </message>
    <message>
        <source>The threshold &apos;%1&apos; is not an amount of 0 or more.</source>
        <translation>Le seuil «&#xa0;%1&#xa0;» n&apos;est pas un montant de 0 ou plus.</translation>
    </message>
    <message>
        <source>%1 raised, %2 in all, and the interest it would have saved: %3.</source>
        <translation>Réclamation sur %1, %2 au total, et les intérêts qui auraient été économisés&#xa0;: %3.</translation>
    </message>
    <message>
        <source>1 posting</source>
        <translation>1 débit d&apos;intérêts</translation>
    </message>
    <message>
        <source>%1 postings</source>
        <translation>%1 débits d&apos;intérêts</translation>
    </message>
    <message>
        <source>No letter: %1.</source>
        <translation>Pas de lettre&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Save the Letter</source>
        <translation>Enregistrer la lettre</translation>
    </message>
    <message>
        <source>OpenDocument text|*.odt</source>
        <translation>Texte OpenDocument|*.odt</translation>
    </message>
    <message>
        <source>Save the Evidence</source>
        <translation>Enregistrer les pièces justificatives</translation>
    </message>
    <message>
        <source>PDF|*.pdf</source>
        <translation>PDF|*.pdf</translation>
    </message>
    <message>
        <source>The letter is in %1 and the evidence in %2. Read the letter through, sign it and send both to your lender.</source>
        <translation>La lettre se trouve dans %1 et les pièces justificatives dans %2. Relisez la lettre, signez-la et envoyez les deux à votre prêteur.</translation>
    </message>
    <message>
        <source>The letter needs %1: fill in &quot;%2&quot; before it is written.</source>
        <translation>La lettre a besoin de %1&#xa0;: renseignez «&#xa0;%2&#xa0;» avant qu&apos;elle soit rédigée.</translation>
    </message>
    <message>
        <source>Prepare a Complaint</source>
        <translation>Préparer une réclamation</translation>
    </message>
    <message>
        <source>A letter to your lender that raises each posting charged above its interest due, with what explains it, and the evidence behind it: the summary, the report, the working of each posting raised, the rates and statements. Untick a posting to leave it out. The details are kept in the account for next time.</source>
        <translation>Une lettre à votre prêteur qui conteste chaque débit d&apos;intérêts supérieur aux intérêts dus, avec ce qui l&apos;explique, et les pièces justificatives à l&apos;appui&#xa0;: la synthèse, le rapport, le détail du calcul de chaque débit contesté, les taux et les relevés. Décochez un débit d&apos;intérêts pour l&apos;écarter. Les données sont conservées dans le compte pour la prochaine fois.</translation>
    </message>
    <message>
        <source>The complaint cannot be prepared: %1</source>
        <translation>La réclamation ne peut pas être préparée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The details could not be kept in the account: %1</source>
        <translation>Les données n&apos;ont pas pu être conservées dans le compte&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 complaint.odt</source>
        <translation>%1 réclamation.odt</translation>
    </message>
    <message>
        <source>%1 evidence.pdf</source>
        <translation>%1 pièces justificatives.pdf</translation>
    </message>
</context>
<context>
    <name>Conventions</name>
    <message>
        <source>Actual/365 Fixed</source>
        <translation>Exact/365 fixe</translation>
    </message>
    <message>
        <source>Actual/Actual</source>
        <translation>Exact/exact</translation>
    </message>
    <message>
        <source>Actual/365 No-Leap</source>
        <translation>Exact/365 sans bissextile</translation>
    </message>
    <message>
        <source>Actual/360</source>
        <translation>Exact/360</translation>
    </message>
    <message>
        <source>30/360</source>
        <translation>30/360</translation>
    </message>
    <message>
        <source>Equal periods</source>
        <translation>Périodes égales</translation>
    </message>
    <message>
        <source>Each day to four decimals</source>
        <translation>Chaque jour à quatre décimales</translation>
    </message>
    <message>
        <source>Each day to cents</source>
        <translation>Chaque jour au centime</translation>
    </message>
    <message>
        <source>At posting, to cents</source>
        <translation>Lors du débit d&apos;intérêts, au centime</translation>
    </message>
    <message>
        <source>each day to four decimals</source>
        <translation>arrondi chaque jour à quatre décimales</translation>
    </message>
    <message>
        <source>each day to cents</source>
        <translation>arrondi chaque jour au centime</translation>
    </message>
    <message>
        <source>at posting, to cents</source>
        <translation>arrondi au centime lors du débit d&apos;intérêts</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Half-yearly</source>
        <translation>Semestrielle</translation>
    </message>
    <message>
        <source>The yearly rate divided by 365 on every day, 29 February too. The large Australian lenders.</source>
        <translation>Le taux annuel divisé par 365 chaque jour, 29 février compris. Les grands prêteurs australiens.</translation>
    </message>
    <message>
        <source>Divided by 366 on the days of a leap year, by 365 otherwise. Lenders that count a leap year&apos;s 366 days, as some British and European banks do.</source>
        <translation>Divisé par 366 les jours d&apos;une année bissextile, par 365 sinon. Prêteurs qui comptent les 366 jours d&apos;une année bissextile, comme le font certaines banques britanniques et européennes.</translation>
    </message>
    <message>
        <source>Divided by 365, and 29 February bears no interest. Lenders that never charge for the leap day.</source>
        <translation>Divisé par 365, et le 29 février ne porte pas intérêts. Prêteurs qui ne facturent jamais le jour bissextile.</translation>
    </message>
    <message>
        <source>Divided by 360 on every day, so a year costs a little more. Many US and European commercial lenders and lines of credit.</source>
        <translation>Divisé par 360 chaque jour, de sorte qu&apos;une année coûte un peu plus. De nombreux prêteurs commerciaux américains et européens, et les lignes de crédit.</translation>
    </message>
    <message>
        <source>Every month counts 30 days at rate / 360: the 31st bears nothing, the last day of February makes up the month. Most US mortgage servicers.</source>
        <translation>Chaque mois compte 30 jours au taux / 360&#xa0;: le 31 ne porte rien, le dernier jour de février complète le mois. La plupart des gestionnaires de prêts hypothécaires américains.</translation>
    </message>
    <message>
        <source>Each posting period is the same share of a year (1/12 for monthly postings) whatever its length; its days share it equally. Canadian lenders, and the rate / 12 of the Australian credit code.</source>
        <translation>Chaque période du débit d&apos;intérêts représente la même fraction d&apos;année (1/12 pour des débits d&apos;intérêts mensuels), quelle que soit sa durée&#xa0;; ses jours se la partagent à parts égales. Prêteurs canadiens, et le taux / 12 du code du crédit australien.</translation>
    </message>
    <message>
        <source>Each day&apos;s interest is rounded to four decimals, then added up. The large Australian lenders.</source>
        <translation>Les intérêts de chaque jour sont arrondis à quatre décimales, puis additionnés. Les grands prêteurs australiens.</translation>
    </message>
    <message>
        <source>Each day&apos;s interest is rounded to whole cents, then added up. Lenders whose statements show each day&apos;s interest in cents.</source>
        <translation>Les intérêts de chaque jour sont arrondis au centime, puis additionnés. Prêteurs dont les relevés indiquent les intérêts de chaque jour en centimes.</translation>
    </message>
    <message>
        <source>The days&apos; interest is added up unrounded; only the posted total is rounded to cents. Lenders that work out a month&apos;s interest at once, as most US servicers do.</source>
        <translation>Les intérêts des jours sont additionnés sans arrondi&#xa0;; seul le total débité est arrondi au centime. Prêteurs qui calculent les intérêts d&apos;un mois en une fois, comme la plupart des gestionnaires de prêts américains.</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Quotidien</translation>
    </message>
    <message>
        <source>Posting period</source>
        <translation>Période du débit d&apos;intérêts</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Annuel</translation>
    </message>
    <message>
        <source>%1-month blocks from %2</source>
        <translation>Blocs de %1 mois à partir de %2</translation>
    </message>
    <message>
        <source>%1 (%2 a year)</source>
        <translation>%1 (%2 par an)</translation>
    </message>
    <message>
        <source>annual rest</source>
        <translation>solde annuel</translation>
    </message>
    <message>
        <source>rest: posting period</source>
        <translation>solde de calcul&#xa0;: période du débit d&apos;intérêts</translation>
    </message>
    <message>
        <source>rest: %1-month blocks from %2</source>
        <translation>solde de calcul&#xa0;: blocs de %1 mois à partir de %2</translation>
    </message>
    <message>
        <source>compounded half-yearly (%1 periods a year)</source>
        <translation>capitalisation semestrielle (%1 périodes par an)</translation>
    </message>
    <message>
        <source>Lender&apos;s conventions: %1.</source>
        <translation>Conventions du prêteur&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The periods a year must be a whole number from 1 to %1.</source>
        <translation>Le nombre de périodes par an doit être un nombre entier de 1 à %1.</translation>
    </message>
    <message>
        <source>A rest&apos;s blocks run 1 to 12 months, from a month 1 to 12.</source>
        <translation>Les blocs d&apos;un solde de calcul durent de 1 à 12 mois, à partir d&apos;un mois de 1 à 12.</translation>
    </message>
    <message>
        <source>Daily interest</source>
        <translation>Intérêts journaliers</translation>
    </message>
    <message>
        <source>Australia, New Zealand, Ireland and the UK&apos;s daily-interest loans.</source>
        <translation>Prêts à intérêts journaliers d&apos;Australie, de Nouvelle-Zélande, d&apos;Irlande et du Royaume-Uni.</translation>
    </message>
    <message>
        <source>Monthly rest, 1/12 a month</source>
        <translation>Solde mensuel, 1/12 par mois</translation>
    </message>
    <message>
        <source>US mortgages, German Annuitätendarlehen, the UK&apos;s monthly-rest loans, Canadian variable rates.</source>
        <translation>Prêts hypothécaires américains, Annuitätendarlehen allemands, prêts britanniques à solde mensuel, taux variables canadiens.</translation>
    </message>
    <message>
        <source>Annual rest</source>
        <translation>Solde annuel</translation>
    </message>
    <message>
        <source>UK building societies, some Irish lenders, the German annual Tilgungsverrechnung.</source>
        <translation>Building societies britanniques, certains prêteurs irlandais, la Tilgungsverrechnung annuelle allemande.</translation>
    </message>
    <message>
        <source>Canadian fixed rate</source>
        <translation>Taux fixe canadien</translation>
    </message>
    <message>
        <source>Canadian fixed-rate mortgages: the rate compounded half-yearly, not in advance.</source>
        <translation>Prêts immobiliers canadiens à taux fixe&#xa0;: le taux capitalisé semestriellement, et non à l&apos;avance.</translation>
    </message>
    <message>
        <source>Equal months on daily balances</source>
        <translation>Mois égaux sur soldes quotidiens</translation>
    </message>
    <message>
        <source>New Zealand&apos;s BNZ before May 2024; the rate / 12 on the average daily balance of the Australian credit code.</source>
        <translation>BNZ (Nouvelle-Zélande) avant mai 2024&#xa0;; le taux / 12 sur le solde quotidien moyen du code du crédit australien.</translation>
    </message>
    <message>
        <source>Equal periods weigh each posting period as a whole, so only the posting can be rounded: choose the rounding &quot;At posting, to cents&quot;.</source>
        <translation>Les périodes égales pondèrent chaque période du débit d&apos;intérêts comme un tout, si bien que seul le débit d&apos;intérêts peut être arrondi&#xa0;: choisissez l&apos;arrondi «&#xa0;Lors du débit d&apos;intérêts, au centime&#xa0;».</translation>
    </message>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <extracomment>the month</extracomment>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
</context>
<context>
    <name>ConventionsWindow</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Apply Preset</source>
        <translation>&amp;Appliquer le préréglage</translation>
    </message>
    <message>
        <source>&amp;Preset:</source>
        <translation>&amp;Préréglage&#xa0;:</translation>
    </message>
    <message>
        <source>Months a block</source>
        <translation>Mois par bloc</translation>
    </message>
    <message>
        <source>months &amp;from</source>
        <translation>mois à partir &amp;de</translation>
    </message>
    <message>
        <source>Month the blocks start in</source>
        <translation>Mois de début des blocs</translation>
    </message>
    <message>
        <source>Used by equal periods and by compounding: 12 for monthly postings, 26 fortnightly.</source>
        <translation>Utilisé par les périodes égales et par la capitalisation&#xa0;: 12 pour des débits d&apos;intérêts mensuels, 26 toutes les deux semaines.</translation>
    </message>
    <message>
        <source>Periods a &amp;year:</source>
        <translation>Périodes pa&amp;r an&#xa0;:</translation>
    </message>
    <message>
        <source>Used by: %1</source>
        <translation>Utilisé par&#xa0;: %1</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Quotidien</translation>
    </message>
    <message>
        <source>Posting period</source>
        <translation>Période du débit d&apos;intérêts</translation>
    </message>
    <message>
        <source>Blocks of</source>
        <extracomment>followed by a number of months and &quot;months from&quot; a month: blocks of 12 months from January</extracomment>
        <translation>Blocs de</translation>
    </message>
    <message>
        <source>Each day&apos;s own balance bears that day&apos;s interest.</source>
        <translation>Le solde propre de chaque jour porte les intérêts de ce jour.</translation>
    </message>
    <message>
        <source>The balance on the first day of the posting period bears interest for the whole period: monthly rest where postings are monthly.</source>
        <translation>Le solde du premier jour de la période du débit d&apos;intérêts porte intérêts pour toute la période&#xa0;: solde mensuel lorsque les débits d&apos;intérêts sont mensuels.</translation>
    </message>
    <message>
        <source>The balance on the first day of each block bears interest for the whole block; annual rest: 12 months from January; payments count from the next block.</source>
        <translation>Le solde du premier jour de chaque bloc porte intérêts pour tout le bloc&#xa0;; solde annuel&#xa0;: 12 mois à partir de janvier&#xa0;; les paiements comptent à partir du bloc suivant.</translation>
    </message>
    <message>
        <source>The entered rate is the rate the days bear.</source>
        <translation>Le taux saisi est celui que portent les jours.</translation>
    </message>
    <message>
        <source>The entered rate is compounded half-yearly: the days bear the rate equivalent to it over the periods a year. Canadian fixed rates.</source>
        <translation>Le taux saisi est capitalisé semestriellement&#xa0;: les jours portent le taux qui lui est équivalent sur les périodes par an. Taux fixes canadiens.</translation>
    </message>
    <message>
        <source>Lender&apos;s Conventions</source>
        <translation>Conventions du prêteur</translation>
    </message>
    <message>
        <source>How your lender works out a day&apos;s interest. Each choice is stored at once and used by every report of this account.</source>
        <translation>La façon dont votre prêteur calcule les intérêts d&apos;un jour. Chaque choix est enregistré immédiatement et utilisé par tous les rapports de ce compte.</translation>
    </message>
    <message>
        <source>Day Count</source>
        <translation>Décompte des jours</translation>
    </message>
    <message>
        <source>Rounding of Interest</source>
        <translation>Arrondi des intérêts</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>the interval on whose balance interest is worked (daily rest, monthly rest)</extracomment>
        <translation>Solde de calcul</translation>
    </message>
    <message>
        <source>Compounding</source>
        <translation>Capitalisation</translation>
    </message>
    <message>
        <source>The lender&apos;s conventions could not be stored: %1</source>
        <translation>Les conventions du prêteur n&apos;ont pas pu être enregistrées&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CsvCells</name>
    <message>
        <source>the day first</source>
        <translation>le jour en premier</translation>
    </message>
    <message>
        <source>the month first</source>
        <translation>le mois en premier</translation>
    </message>
</context>
<context>
    <name>CsvDetection</name>
    <message>
        <source>A quote opened on line %1 is never closed: the file is cut short or damaged.</source>
        <translation>Un guillemet ouvert à la ligne %1 n&apos;est jamais fermé&#xa0;: le fichier est tronqué ou endommagé.</translation>
    </message>
    <message>
        <source>No line of the file reads as a transaction: none has a date and an amount.</source>
        <translation>Aucune ligne du fichier ne se lit comme une opération&#xa0;: aucune n&apos;a de date et de montant.</translation>
    </message>
    <message>
        <source>No column of the file holds only amounts.</source>
        <translation>Aucune colonne du fichier ne contient uniquement des montants.</translation>
    </message>
</context>
<context>
    <name>CsvLayout</name>
    <message>
        <source>Line %1 is not &quot;name=value&quot;.</source>
        <translation>La ligne %1 n&apos;est pas au format «&#xa0;nom=valeur&#xa0;».</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a value for %3.</source>
        <translation>Ligne %1&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas une valeur pour %3.</translation>
    </message>
    <message>
        <source>The preset has no name.</source>
        <translation>Le préréglage n&apos;a pas de nom.</translation>
    </message>
</context>
<context>
    <name>CsvLayoutPanel</name>
    <message>
        <source>Comma</source>
        <extracomment>The delimiter of a CSV file&apos;s fields: the comma character</extracomment>
        <translation>Virgule</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Point-virgule</translation>
    </message>
    <message>
        <source>Tab</source>
        <extracomment>The tab character</extracomment>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>Pipe</source>
        <translation>Barre verticale</translation>
    </message>
    <message>
        <source>CSV layout</source>
        <translation>Format CSV</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Format&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Delimiter:</source>
        <translation>&amp;Séparateur&#xa0;:</translation>
    </message>
    <message>
        <source>Lines to &amp;skip:</source>
        <translation>Lignes à &amp;ignorer&#xa0;:</translation>
    </message>
    <message>
        <source>Point (1,234.56)</source>
        <translation>Point (1,234.56)</translation>
    </message>
    <message>
        <source>Comma (1.234,56)</source>
        <translation>Virgule (1.234,56)</translation>
    </message>
    <message>
        <source>Decimal poi&amp;nt:</source>
        <translation>Sépa&amp;rateur décimal&#xa0;:</translation>
    </message>
    <message>
        <source>One signed column</source>
        <translation>Une colonne signée</translation>
    </message>
    <message>
        <source>Debit and credit columns</source>
        <translation>Colonnes débit et crédit</translation>
    </message>
    <message>
        <source>&amp;Amounts:</source>
        <translation>&amp;Montants&#xa0;:</translation>
    </message>
    <message>
        <source>Da&amp;te column:</source>
        <translation>Colonne de la da&amp;te&#xa0;:</translation>
    </message>
    <message>
        <source>Descri&amp;ption column:</source>
        <translation>Colo&amp;nne du libellé&#xa0;:</translation>
    </message>
    <message>
        <source>A&amp;mount column:</source>
        <translation>Colonne du mont&amp;ant&#xa0;:</translation>
    </message>
    <message>
        <source>De&amp;bit column:</source>
        <translation>Colonne du dé&amp;bit&#xa0;:</translation>
    </message>
    <message>
        <source>C&amp;redit column:</source>
        <translation>Colonne du &amp;crédit&#xa0;:</translation>
    </message>
    <message>
        <source>Balan&amp;ce column:</source>
        <translation>Colonne du so&amp;lde&#xa0;:</translation>
    </message>
    <message>
        <source>Si&amp;gn column:</source>
        <translation>Colonne du si&amp;gne&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Header row</source>
        <translation>Ligne d&apos;&amp;en-tête</translation>
    </message>
    <message>
        <source>Date &amp;order:</source>
        <translation>&amp;Ordre des dates&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Flip the sign</source>
        <translation>In&amp;verser le signe</translation>
    </message>
    <message>
        <source>&amp;Date order:</source>
        <translation>Ordre des &amp;dates&#xa0;:</translation>
    </message>
    <message>
        <source>Day first (31/01/2024)</source>
        <translation>Jour en premier (31/01/2024)</translation>
    </message>
    <message>
        <source>Month first (01/31/2024)</source>
        <translation>Mois en premier (01/31/2024)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>As detected</source>
        <translation>Tel que détecté</translation>
    </message>
    <message>
        <source>As last time</source>
        <translation>Comme la dernière fois</translation>
    </message>
    <message>
        <source>The layout &quot;%1&quot; does not fit this file. %2</source>
        <translation>Le format «&#xa0;%1&#xa0;» ne convient pas à ce fichier. %2</translation>
    </message>
</context>
<context>
    <name>CsvRead</name>
    <message>
        <source>The layout has no date or no amount column.</source>
        <translation>Le format n&apos;a pas de colonne de date ou de montant.</translation>
    </message>
    <message>
        <source>The line has %1 fields; the layout reads %2.</source>
        <translation>La ligne a %1 champs&#xa0;; le format en lit %2.</translation>
    </message>
    <message>
        <source>The amount &quot;%1&quot; does not read.</source>
        <translation>Le montant «&#xa0;%1&#xa0;» n&apos;est pas lisible.</translation>
    </message>
    <message>
        <source>Neither the debit &quot;%1&quot; nor the credit &quot;%2&quot; reads as an amount.</source>
        <translation>Ni le débit «&#xa0;%1&#xa0;» ni le crédit «&#xa0;%2&#xa0;» ne se lisent comme un montant.</translation>
    </message>
    <message>
        <source>The sign &quot;%1&quot; does not read: CR or DR, or a code ending in + or -, is expected.</source>
        <translation>Le signe «&#xa0;%1&#xa0;» n&apos;est pas lisible&#xa0;: CR ou DR, ou un code se terminant par + ou -, est attendu.</translation>
    </message>
    <message>
        <source>The line has no date.</source>
        <translation>La ligne n&apos;a pas de date.</translation>
    </message>
    <message>
        <source>The date &quot;%1&quot; does not read as a date with %2.</source>
        <translation>La date «&#xa0;%1&#xa0;» ne se lit pas comme une date avec %2.</translation>
    </message>
    <message>
        <source>The balance &quot;%1&quot; does not read.</source>
        <translation>Le solde «&#xa0;%1&#xa0;» n&apos;est pas lisible.</translation>
    </message>
    <message>
        <source>A quote opened on this line is never closed: the file is cut short or damaged, and the lines after it are not read.</source>
        <translation>Un guillemet ouvert sur cette ligne n&apos;est jamais fermé&#xa0;: le fichier est tronqué ou endommagé, et les lignes suivantes ne sont pas lues.</translation>
    </message>
    <message>
        <source>The file has no transactions after line %1.</source>
        <translation>Le fichier n&apos;a pas d&apos;opérations après la ligne %1.</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>The amounts are read with their sign turned: the payments to the card (&quot;%1&quot;, line %2) are negative where its other rows are mostly positive, as a card&apos;s purchases are.</source>
        <translation>Les montants sont lus avec leur signe inversé&#xa0;: les paiements sur la carte («&#xa0;%1&#xa0;», ligne %2) sont négatifs alors que ses autres lignes sont surtout positives, comme le sont les achats par carte.</translation>
    </message>
    <message>
        <source>The amounts are read with their sign turned: their column is named for money out.</source>
        <translation>Les montants sont lus avec leur signe inversé&#xa0;: leur colonne porte le nom des sorties d&apos;argent.</translation>
    </message>
    <message>
        <source>The amounts are read with their sign turned: the balances follow from them that way.</source>
        <translation>Les montants sont lus avec leur signe inversé&#xa0;: c&apos;est ainsi que les soldes en découlent.</translation>
    </message>
    <message>
        <source>No line of the file has the columns %1.</source>
        <translation>Aucune ligne du fichier ne comporte les colonnes %1.</translation>
    </message>
    <message>
        <source>No line of the file reads as a transaction.</source>
        <translation>Aucune ligne du fichier ne se lit comme une opération.</translation>
    </message>
    <message>
        <source>The amounts are read with their sign turned, as the preset &quot;%1&quot; reads them.</source>
        <translation>Les montants sont lus avec leur signe inversé, comme les lit le préréglage «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>DiagnosisText</name>
    <message>
        <source>the change of %1 of %2</source>
        <translation>le changement du %2 de la série %1</translation>
    </message>
    <message>
        <source>a loan whose offset was not counted</source>
        <translation>d&apos;un prêt dont le compte de compensation n&apos;a pas été pris en compte</translation>
    </message>
    <message>
        <source>a loan whose rate change of %1 applied %2 days later</source>
        <translation>d&apos;un prêt dont le changement de taux du %1 a été appliqué %2 jours plus tard</translation>
    </message>
    <message>
        <source>a loan whose rate change of %1 applied %2 days earlier</source>
        <translation>d&apos;un prêt dont le changement de taux du %1 a été appliqué %2 jours plus tôt</translation>
    </message>
    <message>
        <source>a loan whose rate before the change of %1 was kept until %2</source>
        <translation>d&apos;un prêt dont le taux antérieur au changement du %1 a été maintenu jusqu&apos;au %2</translation>
    </message>
    <message>
        <source>a loan whose lender never passed on %1</source>
        <translation>d&apos;un prêt dont le prêteur n&apos;a jamais répercuté %1</translation>
    </message>
    <message>
        <source>a loan whose lender passed on %1 %2 days late</source>
        <translation>d&apos;un prêt dont le prêteur a répercuté %1 avec %2 jours de retard</translation>
    </message>
    <message>
        <source>a loan whose lender passed on %1 %2 points short</source>
        <translation>d&apos;un prêt dont le prêteur a répercuté %1 avec %2 points de moins</translation>
    </message>
    <message>
        <source>a loan whose repayments were credited %1 days late</source>
        <translation>d&apos;un prêt dont les échéances ont été créditées avec %1 jours de retard</translation>
    </message>
    <message>
        <source>a loan whose interest was worked out under %1, %2</source>
        <translation>d&apos;un prêt dont les intérêts ont été calculés selon le décompte %1 et arrondis %2</translation>
    </message>
    <message>
        <source>a loan whose interest was rounded %1</source>
        <translation>d&apos;un prêt dont les intérêts ont été arrondis %1</translation>
    </message>
    <message>
        <source>a loan whose interest was worked out on annual rest</source>
        <translation>d&apos;un prêt dont les intérêts ont été calculés sur solde annuel</translation>
    </message>
    <message>
        <source>a loan whose interest was worked out on a rest of %1</source>
        <translation>d&apos;un prêt dont les intérêts ont été calculés avec un solde de calcul (%1)</translation>
    </message>
    <message>
        <source>Offset was not counted</source>
        <translation>Le compte de compensation n&apos;a pas été pris en compte</translation>
    </message>
    <message>
        <source>Rate change of %1 applied %2 days later</source>
        <translation>Changement de taux du %1 appliqué %2 jours plus tard</translation>
    </message>
    <message>
        <source>Rate change of %1 applied %2 days earlier</source>
        <translation>Changement de taux du %1 appliqué %2 jours plus tôt</translation>
    </message>
    <message>
        <source>Rate before the change of %1 was kept until %2</source>
        <translation>Taux antérieur au changement du %1 maintenu jusqu&apos;au %2</translation>
    </message>
    <message>
        <source>Lender never passed on %1</source>
        <translation>Le prêteur n&apos;a jamais répercuté %1</translation>
    </message>
    <message>
        <source>Lender passed on %1 %2 days late</source>
        <translation>Le prêteur a répercuté %1 avec %2 jours de retard</translation>
    </message>
    <message>
        <source>Lender passed on %1 %2 points short</source>
        <translation>Le prêteur a répercuté %1 avec %2 points de moins</translation>
    </message>
    <message>
        <source>Repayments were credited %1 days late</source>
        <translation>Les échéances ont été créditées avec %1 jours de retard</translation>
    </message>
    <message>
        <source>Interest was worked out under %1, %2</source>
        <translation>Les intérêts ont été calculés selon le décompte %1 et arrondis %2</translation>
    </message>
    <message>
        <source>Interest was rounded %1</source>
        <translation>Les intérêts ont été arrondis %1</translation>
    </message>
    <message>
        <source>Interest was worked out on annual rest</source>
        <translation>Les intérêts ont été calculés sur solde annuel</translation>
    </message>
    <message>
        <source>Interest was worked out on a rest of %1</source>
        <translation>Les intérêts ont été calculés avec un solde de calcul (%1)</translation>
    </message>
    <message>
        <source>From %1 to %2 (%3 postings) the charges equal exactly those of %4: %5 less than due.</source>
        <translation>Du %1 au %2 (%3 débits d&apos;intérêts), les débits sont exactement ceux %4&#xa0;: %5 de moins que les intérêts dus.</translation>
    </message>
    <message>
        <source>From %1 to %2 (%3 postings) the charges equal exactly those of %4: %5 more than due.</source>
        <translation>Du %1 au %2 (%3 débits d&apos;intérêts), les débits sont exactement ceux %4&#xa0;: %5 de plus que les intérêts dus.</translation>
    </message>
    <message>
        <source>No known mistake explains the difference of %1.</source>
        <translation>Aucune erreur connue n&apos;explique l&apos;écart du %1.</translation>
    </message>
    <message>
        <source>What explains the differences</source>
        <translation>Ce qui explique les écarts</translation>
    </message>
    <message>
        <source>Every charge agrees with the interest due.</source>
        <translation>Chaque débit concorde avec les intérêts dus.</translation>
    </message>
    <message>
        <source>No known mistake explains the differences.</source>
        <translation>Aucune erreur connue n&apos;explique les écarts.</translation>
    </message>
    <message>
        <source>So many differences were found that only those around the largest were searched, and not every way.</source>
        <translation>Les écarts trouvés sont si nombreux que seuls ceux proches du plus grand ont été examinés, et pas de toutes les façons.</translation>
    </message>
    <message>
        <source>The charges under the explanation are %1: the lender charged nothing on some of these dates.</source>
        <translation>Les débits selon l&apos;explication sont de %1&#xa0;: le prêteur n&apos;a rien débité à certaines de ces dates.</translation>
    </message>
    <message>
        <source>The charge under the explanation is %1: the lender charged nothing on this date.</source>
        <translation>Le débit selon l&apos;explication est de %1&#xa0;: le prêteur n&apos;a rien débité à cette date.</translation>
    </message>
    <message>
        <source>The charges under the explanation equal the lender&apos;s charges.</source>
        <translation>Les débits selon l&apos;explication sont égaux aux débits du prêteur.</translation>
    </message>
    <message>
        <source>The charge under the explanation equals the lender&apos;s charge.</source>
        <translation>Le débit selon l&apos;explication est égal au débit du prêteur.</translation>
    </message>
    <message>
        <source>The charges under the explanation are %1 less than the lender&apos;s charges.</source>
        <translation>Les débits selon l&apos;explication sont inférieurs de %1 aux débits du prêteur.</translation>
    </message>
    <message>
        <source>The charge under the explanation is %1 less than the lender&apos;s charge.</source>
        <translation>Le débit selon l&apos;explication est inférieur de %1 au débit du prêteur.</translation>
    </message>
    <message>
        <source>The charges under the explanation are %1 more than the lender&apos;s charges.</source>
        <translation>Les débits selon l&apos;explication sont supérieurs de %1 aux débits du prêteur.</translation>
    </message>
    <message>
        <source>The charge under the explanation is %1 more than the lender&apos;s charge.</source>
        <translation>Le débit selon l&apos;explication est supérieur de %1 au débit du prêteur.</translation>
    </message>
    <message>
        <source>Over the span&apos;s posting: interest due %1, charges under the explanation %2, the lender&apos;s charges %3.</source>
        <translation>Sur le débit d&apos;intérêts de la période&#xa0;: intérêts dus %1, débits selon l&apos;explication %2, débits du prêteur %3.</translation>
    </message>
    <message>
        <source>Over the span&apos;s %1 postings: interest due %2, charges under the explanation %3, the lender&apos;s charges %4.</source>
        <translation>Sur les %1 débits d&apos;intérêts de la période&#xa0;: intérêts dus %2, débits selon l&apos;explication %3, débits du prêteur %4.</translation>
    </message>
    <message>
        <source>Working of the explanation on %1 (posting %2 of %3)</source>
        <translation>Détail du calcul de l&apos;explication au %1 (débit d&apos;intérêts %2 sur %3)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Bearing, due</source>
        <translation>Portant intérêts, dû</translation>
    </message>
    <message>
        <source>Rate, due</source>
        <translation>Taux, dû</translation>
    </message>
    <message>
        <source>Interest, due</source>
        <translation>Intérêts, dus</translation>
    </message>
    <message>
        <source>Bearing, lender</source>
        <translation>Portant intérêts, prêteur</translation>
    </message>
    <message>
        <source>Rate, lender</source>
        <translation>Taux, prêteur</translation>
    </message>
    <message>
        <source>Interest, lender</source>
        <translation>Intérêts, prêteur</translation>
    </message>
    <message>
        <source>Interest due (Int Due):</source>
        <translation>Intérêts dus (Int. dus)&#xa0;:</translation>
    </message>
    <message>
        <source>Charge under the explanation:</source>
        <translation>Débit selon l&apos;explication&#xa0;:</translation>
    </message>
    <message>
        <source>Lender&apos;s charge (Int Charge):</source>
        <translation>Débit du prêteur (Int. débités)&#xa0;:</translation>
    </message>
    <message>
        <source>none on this date</source>
        <translation>aucun à cette date</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Save as PDF Error: %1</source>
        <translation>Erreur d&apos;enregistrement en PDF&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>FindMethodWindow</name>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 (%2 a year)</source>
        <translation>%1 (%2 par an)</translation>
    </message>
    <message>
        <source>The method could not be applied: %1</source>
        <translation>La méthode n&apos;a pas pu être appliquée&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1, %2 a year</source>
        <translation>%1, %2 par an</translation>
    </message>
    <message>
        <source>Find Lender&apos;s Method</source>
        <translation>Trouver la méthode du prêteur</translation>
    </message>
    <message>
        <source>The ways of calculating that come closest to the interest your lender charged, best first. Choose one and Apply it to the account:</source>
        <translation>Les méthodes de calcul qui se rapprochent le plus des intérêts débités par votre prêteur, la meilleure en premier. Choisissez-en une et appliquez-la au compte avec Appliquer&#xa0;:</translation>
    </message>
    <message>
        <source>Day</source>
        <extracomment>the calculation day of the month</extracomment>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>the interval on whose balance interest is worked</extracomment>
        <translation>Solde de calcul</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Méthode</translation>
    </message>
    <message>
        <source>Day Count</source>
        <translation>Décompte des jours</translation>
    </message>
    <message>
        <source>Rounding</source>
        <translation>Arrondi</translation>
    </message>
    <message>
        <source>Compounding</source>
        <translation>Capitalisation</translation>
    </message>
    <message>
        <source>Charges Matched</source>
        <translation>Débits retrouvés</translation>
    </message>
    <message>
        <source>Total Difference</source>
        <translation>Écart total</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>charges matched of the charges there are</extracomment>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Tried %L1 ways of calculating; the best %2 are shown.</source>
        <translation>%L1 façons de calculer essayées&#xa0;; les %2 meilleures sont affichées.</translation>
    </message>
</context>
<context>
    <name>HistoryImport</name>
    <message>
        <source>the file states no balance: amounts as read</source>
        <translation>le fichier n&apos;indique aucun solde&#xa0;: montants tels que lus</translation>
    </message>
    <message>
        <source>the file&apos;s balances are mostly positive, so turned (a loan in debit is negative); its amounts then follow the balances with their sign turned, so they are kept</source>
        <translation>les soldes du fichier sont surtout positifs, donc inversés (un prêt débiteur est négatif)&#xa0;; ses montants suivent alors les soldes avec leur signe inversé, donc ils sont conservés</translation>
    </message>
    <message>
        <source>the file&apos;s balances are mostly positive, so turned (a loan in debit is negative); its amounts then follow the balances as read, so they are turned</source>
        <translation>les soldes du fichier sont surtout positifs, donc inversés (un prêt débiteur est négatif)&#xa0;; ses montants suivent alors les soldes tels que lus, donc ils sont inversés</translation>
    </message>
    <message>
        <source>the file&apos;s balances are mostly negative, kept; its amounts then follow the balances with their sign turned, so they are turned</source>
        <translation>les soldes du fichier sont surtout négatifs, donc conservés&#xa0;; ses montants suivent alors les soldes avec leur signe inversé, donc ils sont inversés</translation>
    </message>
    <message>
        <source>the file&apos;s balances are mostly negative, kept; its amounts then follow the balances as read, so they are kept</source>
        <translation>les soldes du fichier sont surtout négatifs, donc conservés&#xa0;; ses montants suivent alors les soldes tels que lus, donc ils sont conservés</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>prêt</translation>
    </message>
    <message>
        <source>already in the account</source>
        <translation>déjà dans le compte</translation>
    </message>
    <message>
        <source>balance break</source>
        <translation>rupture de solde</translation>
    </message>
    <message>
        <source>no balance to check</source>
        <translation>aucun solde à vérifier</translation>
    </message>
    <message>
        <source>balance break at line %1</source>
        <translation>rupture de solde à la ligne %1</translation>
    </message>
    <message>
        <source>balance break: the amounts do not reach the closing balance</source>
        <translation>rupture de solde&#xa0;: les montants n&apos;atteignent pas le solde final</translation>
    </message>
    <message>
        <source>; starts with a balance row</source>
        <translation>; commence par une ligne de solde</translation>
    </message>
    <message>
        <source>; %1 rows already in the history left out</source>
        <translation>; %1 lignes déjà présentes dans l&apos;historique écartées</translation>
    </message>
    <message>
        <source>; %1 rows on committed days not in the history left out</source>
        <translation>; %1 lignes de jours déjà validés mais absentes de l&apos;historique écartées</translation>
    </message>
    <message>
        <source>; no interest charged</source>
        <translation>; aucun intérêt débité</translation>
    </message>
    <message>
        <source>This file looks like an everyday account rather than the loan: no interest is charged in it, and it holds %1 card purchase(s). Check that it is the loan&apos;s export before you import it.</source>
        <translation>Ce fichier ressemble à un compte courant plutôt qu&apos;au prêt&#xa0;: aucun intérêt n&apos;y est débité, et il contient %1 achat(s) par carte. Vérifiez qu&apos;il s&apos;agit bien de l&apos;export du prêt avant de l&apos;importer.</translation>
    </message>
    <message>
        <source>This file looks like an everyday account rather than the loan: no interest is charged in it. Check that it is the loan&apos;s export before you import it.</source>
        <translation>Ce fichier ressemble à un compte courant plutôt qu&apos;au prêt&#xa0;: aucun intérêt n&apos;y est débité. Vérifiez qu&apos;il s&apos;agit bien de l&apos;export du prêt avant de l&apos;importer.</translation>
    </message>
    <message>
        <source>The file&apos;s amounts add up to more than a loan account can hold: it is not a loan&apos;s history.</source>
        <translation>Les montants du fichier totalisent plus que ce qu&apos;un compte de prêt peut contenir&#xa0;: ce n&apos;est pas l&apos;historique d&apos;un prêt.</translation>
    </message>
    <message>
        <source>The file&apos;s history</source>
        <translation>L&apos;historique du fichier</translation>
    </message>
    <message>
        <source>the file states no balance and no opening balance is given</source>
        <translation>le fichier n&apos;indique aucun solde et aucun solde initial n&apos;est donné</translation>
    </message>
    <message>
        <source>statement %1 fails its closing checks</source>
        <translation>le relevé %1 échoue à ses contrôles de clôture</translation>
    </message>
    <message>
        <source>statement %1: %2</source>
        <translation>relevé %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file&apos;s layout cannot be remembered: %1</source>
        <translation>le format du fichier ne peut pas être mémorisé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>HistoryImportWindow</name>
    <message>
        <source>Import Bank History</source>
        <translation>Importer l&apos;historique bancaire</translation>
    </message>
    <message>
        <source>The account&apos;s history cannot be read: %1</source>
        <translation>L&apos;historique du compte ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Opening</source>
        <extracomment>The statement&apos;s opening balance.</extracomment>
        <translation>Solde initial</translation>
    </message>
    <message>
        <source>Closing</source>
        <extracomment>The statement&apos;s closing balance.</extracomment>
        <translation>Solde final</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Statements</source>
        <translation>Relevés</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>The statement&apos;s rows</source>
        <translation>Les lignes du relevé</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Tous les mois</translation>
    </message>
    <message>
        <source>Every quarter</source>
        <translation>Tous les trimestres</translation>
    </message>
    <message>
        <source>Every half-year</source>
        <translation>Tous les semestres</translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Tous les ans</translation>
    </message>
    <message>
        <source>On the lender&apos;s end dates</source>
        <translation>Aux dates de fin du prêteur</translation>
    </message>
    <message>
        <source>&amp;Cut the history:</source>
        <translation>&amp;Découper l&apos;historique&#xa0;:</translation>
    </message>
    <message>
        <source>the month&apos;s last</source>
        <extracomment>The cut day&apos;s value 0: periods end on the last day of each month.</extracomment>
        <translation>le dernier du mois</translation>
    </message>
    <message>
        <source>Periods end on &amp;day:</source>
        <translation>Les périodes se terminent le &amp;jour&#xa0;:</translation>
    </message>
    <message>
        <source>The statements&apos; end dates, one a line or pasted as a list</source>
        <translation>Les dates de fin des relevés, une par ligne ou collées sous forme de liste</translation>
    </message>
    <message>
        <source>Lender&apos;s &amp;end dates:</source>
        <translation>Date&amp;s de fin du prêteur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;First statement number:</source>
        <translation>Numéro du &amp;premier relevé&#xa0;:</translation>
    </message>
    <message>
        <source>only for a file without balances</source>
        <translation>uniquement pour un fichier sans soldes</translation>
    </message>
    <message>
        <source>&amp;Opening balance:</source>
        <translation>Solde &amp;initial&#xa0;:</translation>
    </message>
    <message>
        <source>the last statement&apos;s, to check the amounts</source>
        <translation>celui du dernier relevé, pour vérifier les montants</translation>
    </message>
    <message>
        <source>C&amp;losing balance:</source>
        <translation>Solde &amp;final&#xa0;:</translation>
    </message>
    <message>
        <source>Signs (a loan in debit is negative)</source>
        <translation>Signes (un prêt débiteur est négatif)</translation>
    </message>
    <message>
        <source>Turn the &amp;amounts&apos; sign</source>
        <translation>Inverser le signe des &amp;montants</translation>
    </message>
    <message>
        <source>Turn the &amp;balances&apos; sign</source>
        <translation>Inverser le signe des so&amp;ldes</translation>
    </message>
    <message>
        <source>Line %1 does not read: %2</source>
        <translation>La ligne %1 n&apos;est pas lisible&#xa0;: %2</translation>
    </message>
    <message>
        <source>The file holds no transactions.</source>
        <translation>Le fichier ne contient aucune opération.</translation>
    </message>
    <message>
        <source>Proposed: %1.</source>
        <translation>Proposé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>as you set them</source>
        <translation>tels que vous les avez définis</translation>
    </message>
    <message>
        <source>The signs are as you set them.</source>
        <translation>Les signes sont tels que vous les avez définis.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date (%2).</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une date (%2).</translation>
    </message>
    <message>
        <source>Type or paste the lender&apos;s statement end dates.</source>
        <translation>Saisissez ou collez les dates de fin des relevés du prêteur.</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is not an amount.</source>
        <translation>%1 «&#xa0;%2&#xa0;» n&apos;est pas un montant.</translation>
    </message>
    <message>
        <source>%1 statements, %2 ready to import.</source>
        <translation>%1 relevés, dont %2 prêts à être importés.</translation>
    </message>
    <message>
        <source>No period of the file is complete yet.</source>
        <translation>Aucune période du fichier n&apos;est encore complète.</translation>
    </message>
    <message>
        <source>Note: %1.</source>
        <translation>Remarque&#xa0;: %1.</translation>
    </message>
    <message>
        <source>1 row after the last complete period is left for the next import.</source>
        <translation>1 ligne après la dernière période complète est laissée pour la prochaine importation.</translation>
    </message>
    <message>
        <source>%1 rows after the last complete period are left for the next import.</source>
        <translation>%1 lignes après la dernière période complète sont laissées pour la prochaine importation.</translation>
    </message>
    <message>
        <source>%1

Import it all the same?</source>
        <translation>%1

L&apos;importer malgré tout&#xa0;?</translation>
    </message>
    <message>
        <source>No statement is ready: there is nothing to import.</source>
        <translation>Aucun relevé n&apos;est prêt&#xa0;: il n&apos;y a rien à importer.</translation>
    </message>
    <message>
        <source>No copy of the account could be kept, so nothing was imported: %1</source>
        <translation>Aucune copie du compte n&apos;a pu être conservée, donc rien n&apos;a été importé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Import Error: nothing was imported: %1</source>
        <translation>Erreur d&apos;importation&#xa0;: rien n&apos;a été importé&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 statements with %2 transactions were imported.</source>
        <translation>%1 relevés comprenant %2 opérations ont été importés.</translation>
    </message>
    <message>
        <source>The account as it was before the import is kept as %1.</source>
        <translation>Le compte tel qu&apos;il était avant l&apos;importation est conservé sous %1.</translation>
    </message>
    <message>
        <source>The bank&apos;s file holds no interest rates: enter the rate periods from %1 to %2, or read them from the lender&apos;s charges with Propose from Charges….</source>
        <translation>Le fichier de la banque ne contient aucun taux d&apos;intérêt&#xa0;: saisissez les périodes de taux du %1 au %2, ou reconstituez-les à partir des débits du prêteur avec Proposer à partir des débits….</translation>
    </message>
</context>
<context>
    <name>HistorySpan</name>
    <message>
        <source>%1 runs from %2 to %3: more than %4 years, longer than any loan. Correct the dates that are wrong and try again.</source>
        <translation>%1 va du %2 au %3&#xa0;: plus de %4 ans, plus longtemps que tout prêt. Corrigez les dates erronées et réessayez.</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>The statement&apos;s transactions cannot be read: %1</source>
        <translation>Les opérations du relevé ne peuvent pas être lues&#xa0;: %1</translation>
    </message>
    <message>
        <source>Column r&amp;ules (word = column):</source>
        <translation>&amp;Règles de colonnes (mot = colonne)&#xa0;:</translation>
    </message>
    <message>
        <source>Column rules</source>
        <translation>Règles de colonnes</translation>
    </message>
    <message>
        <source>%1 of %2 rows ticked.</source>
        <translation>%1 lignes cochées sur %2.</translation>
    </message>
    <message>
        <source>Line %1 does not read; untick it to import the other rows.</source>
        <translation>La ligne %1 n&apos;est pas lisible&#xa0;; décochez-la pour importer les autres lignes.</translation>
    </message>
    <message>
        <source>The file&apos;s balances agree with the running balance.</source>
        <translation>Les soldes du fichier concordent avec le solde courant.</translation>
    </message>
    <message>
        <source>The file&apos;s balance parts from the running balance at line %1.</source>
        <translation>Le solde du fichier s&apos;écarte du solde courant à la ligne %1.</translation>
    </message>
    <message>
        <source>With the ticked rows the statement reaches its closing balance, %1.</source>
        <translation>Avec les lignes cochées, le relevé atteint son solde final, %1.</translation>
    </message>
    <message>
        <source>With the ticked rows the statement reaches %1; its closing balance is %2.</source>
        <translation>Avec les lignes cochées, le relevé atteint %1&#xa0;; son solde final est de %2.</translation>
    </message>
    <message>
        <source>Line %1 does not read: %2
Untick it to import the other rows.</source>
        <translation>La ligne %1 n&apos;est pas lisible&#xa0;: %2
Décochez-la pour importer les autres lignes.</translation>
    </message>
    <message>
        <source>No row is ticked: there is nothing to import.</source>
        <translation>Aucune ligne n&apos;est cochée&#xa0;: il n&apos;y a rien à importer.</translation>
    </message>
    <message>
        <source>Import Error: %1</source>
        <translation>Erreur d&apos;importation&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ImportPreview</name>
    <message>
        <source>Outside the statement&apos;s dates (%1 to %2).</source>
        <translation>En dehors des dates du relevé (du %1 au %2).</translation>
    </message>
    <message>
        <source>Pending: no date yet</source>
        <translation>En attente&#xa0;: pas encore de date</translation>
    </message>
    <message>
        <source>The amount is 0: the row moves no money.</source>
        <translation>Le montant est 0&#xa0;: la ligne ne comporte aucun mouvement d&apos;argent.</translation>
    </message>
    <message>
        <source>The bank cancels its transaction %1 of an earlier file; if it was entered, delete it by hand.</source>
        <translation>La banque annule son opération %1 d&apos;un fichier précédent&#xa0;; si elle a été saisie, supprimez-la à la main.</translation>
    </message>
    <message>
        <source>The bank corrects its transaction %1 of an earlier file, which the account holds: change it by hand instead.</source>
        <translation>La banque corrige son opération %1 d&apos;un fichier précédent, que le compte contient&#xa0;: modifiez-la plutôt à la main.</translation>
    </message>
    <message>
        <source>Already in the statement.</source>
        <translation>Déjà dans le relevé.</translation>
    </message>
    <message>
        <source>Already in the account&apos;s history.</source>
        <translation>Déjà dans l&apos;historique du compte.</translation>
    </message>
    <message>
        <source>The file&apos;s balance %1 parts here from the running balance %2.</source>
        <translation>Le solde %1 du fichier s&apos;écarte ici du solde courant %2.</translation>
    </message>
    <message>
        <source>The amounts are read with their sign turned: the statement reaches its closing balance with them that way.</source>
        <translation>Les montants sont lus avec leur signe inversé&#xa0;: c&apos;est ainsi que le relevé atteint son solde final.</translation>
    </message>
    <message>
        <source>The amounts are read with their sign turned: the file&apos;s balances agree with the statement&apos;s that way.</source>
        <translation>Les montants sont lus avec leur signe inversé&#xa0;: c&apos;est ainsi que les soldes du fichier concordent avec ceux du relevé.</translation>
    </message>
</context>
<context>
    <name>ImportRowsModel</name>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motif</translation>
    </message>
</context>
<context>
    <name>ImportSession</name>
    <message>
        <source> or </source>
        <extracomment>Joins the names of the file&apos;s other date columns: &quot;Date&quot; or &quot;Posted&quot;.</extracomment>
        <translation> ou </translation>
    </message>
    <message>
        <source>The rows are dated by their value date, &quot;%1&quot;, which interest follows, not by %2.</source>
        <translation>Les lignes sont datées par leur date de valeur, «&#xa0;%1&#xa0;», que suivent les intérêts, et non par %2.</translation>
    </message>
    <message>
        <source>The rows are dated by &quot;%1&quot;, not by %2.</source>
        <translation>Les lignes sont datées par «&#xa0;%1&#xa0;», et non par %2.</translation>
    </message>
    <message>
        <source>Each entry is dated by its value date, from which interest runs.</source>
        <translation>Chaque écriture est datée de sa date de valeur, à partir de laquelle courent les intérêts.</translation>
    </message>
    <message>
        <source>The entries are dated by their booking date: the file gives no value date.</source>
        <translation>Les écritures sont datées de leur date de comptabilisation&#xa0;: le fichier ne donne pas de date de valeur.</translation>
    </message>
    <message>
        <source>%1 of the %2 entries are dated by their value date, from which interest runs; the others by their booking date.</source>
        <translation>%1 des %2 écritures sont datées de leur date de valeur, à partir de laquelle courent les intérêts&#xa0;; les autres de leur date de comptabilisation.</translation>
    </message>
</context>
<context>
    <name>ImportSteps</name>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>no type</source>
        <translation>sans type</translation>
    </message>
    <message>
        <source>%1 (%2, %3 rows)</source>
        <extracomment>An account of a QIF file: its name, its type and its number of rows</extracomment>
        <translation>%1 (%2, %3 lignes)</translation>
    </message>
    <message>
        <source>%1 holds several accounts. Which one do you import?</source>
        <translation>%1 contient plusieurs comptes. Lequel voulez-vous importer&#xa0;?</translation>
    </message>
    <message>
        <source>%1 cannot be imported. %2</source>
        <translation>%1 ne peut pas être importé. %2</translation>
    </message>
    <message>
        <source>The dates of this file read both with the day first and with the month first.
Are the days first, as in 31/01/2024?</source>
        <translation>Les dates de ce fichier se lisent aussi bien avec le jour en premier qu&apos;avec le mois en premier.
Les jours sont-ils en premier, comme dans 31/01/2024&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ImportWriter</name>
    <message>
        <source>Line %1 does not read: %2</source>
        <translation>La ligne %1 n&apos;est pas lisible&#xa0;: %2</translation>
    </message>
    <message>
        <source>An amount of the row of %1 cannot be read.</source>
        <translation>Un montant de la ligne du %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The running balance leaves the range of amounts.</source>
        <translation>Le solde courant sort de la plage des montants.</translation>
    </message>
</context>
<context>
    <name>InterestEngine</name>
    <message>
        <source>Transaction date error. %1 record(s) without a date were left out of the calculation. Please check all dates.</source>
        <translation>Erreur de date d&apos;opération. %1 enregistrement(s) sans date ont été écartés du calcul. Veuillez vérifier toutes les dates.</translation>
    </message>
    <message>
        <source>The interest due from %1 is more than an account can hold: the account cannot be calculated from there.</source>
        <translation>Les intérêts dus à partir du %1 dépassent ce qu&apos;un compte peut contenir&#xa0;: le compte ne peut pas être calculé au-delà.</translation>
    </message>
    <message>
        <source>Interest date error. Please check all dates.</source>
        <translation>Erreur de date d&apos;intérêts. Veuillez vérifier toutes les dates.</translation>
    </message>
</context>
<context>
    <name>InterestMethod</name>
    <message>
        <source>Fixed Day</source>
        <translation>Jour fixe</translation>
    </message>
    <message>
        <source>Fixed Day, Deferred Interest</source>
        <translation>Jour fixe, intérêts différés</translation>
    </message>
    <message>
        <source>Variable Day</source>
        <translation>Jour variable</translation>
    </message>
    <message>
        <source>Variable Day, Deferred Interest</source>
        <translation>Jour variable, intérêts différés</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
</context>
<context>
    <name>LenderFit</name>
    <message>
        <source>The history holds no interest charged by the lender, so there is nothing to compare with.</source>
        <translation>L&apos;historique ne contient aucun intérêt débité par le prêteur&#xa0;: il n&apos;y a donc rien à comparer.</translation>
    </message>
</context>
<context>
    <name>LoanSet</name>
    <message>
        <source>The loan set needs a name.</source>
        <translation>Le montage de prêt a besoin d&apos;un nom.</translation>
    </message>
    <message>
        <source>The loan set needs at least one part.</source>
        <translation>Le montage de prêt a besoin d&apos;au moins une ligne.</translation>
    </message>
    <message>
        <source>A loan set has at most %1 parts.</source>
        <translation>Un montage de prêt a au plus %1 lignes.</translation>
    </message>
    <message>
        <source>Each part needs a name and an account file.</source>
        <translation>Chaque ligne a besoin d&apos;un nom et d&apos;un fichier de compte.</translation>
    </message>
    <message>
        <source>Two parts are named &quot;%1&quot;.</source>
        <translation>Deux lignes s&apos;appellent «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Two parts name the account &quot;%1&quot;.</source>
        <translation>Deux lignes désignent le compte «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a loan set: %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un montage de prêt&#xa0;: %2</translation>
    </message>
    <message>
        <source>it cannot be read.</source>
        <translation>il ne peut pas être lu.</translation>
    </message>
    <message>
        <source>it is larger than any loan set.</source>
        <translation>il est plus volumineux que tout montage de prêt.</translation>
    </message>
    <message>
        <source>it is not JSON text of an object.</source>
        <translation>ce n&apos;est pas un texte JSON décrivant un objet.</translation>
    </message>
    <message>
        <source>it does not say it is one.</source>
        <translation>il n&apos;indique pas en être un.</translation>
    </message>
    <message>
        <source>it is of a version this program does not read.</source>
        <translation>il est d&apos;une version que ce programme ne lit pas.</translation>
    </message>
    <message>
        <source>a part is not a name, an account file and a method of 0 to 3.</source>
        <translation>une ligne n&apos;est pas un nom, un fichier de compte et une méthode de 0 à 3.</translation>
    </message>
</context>
<context>
    <name>LoanSetCommands</name>
    <message>
        <source>Loan Set</source>
        <extracomment>The kind of file a file dialog lists: the loan sets</extracomment>
        <translation>Montage de prêt</translation>
    </message>
    <message>
        <source>Open Loan Set</source>
        <translation>Ouvrir un montage de prêt</translation>
    </message>
    <message>
        <source>Save Loan Set</source>
        <translation>Enregistrer le montage de prêt</translation>
    </message>
    <message>
        <source>Add Part</source>
        <translation>Ajouter une ligne</translation>
    </message>
</context>
<context>
    <name>LoanSetWindow</name>
    <message>
        <source>Loan Set</source>
        <translation>Montage de prêt</translation>
    </message>
    <message>
        <source>&amp;Name of the loan set:</source>
        <translation>&amp;Nom du montage de prêt&#xa0;:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Account file</source>
        <translation>Fichier de compte</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Méthode</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Parts of the loan</source>
        <translation>Lignes du prêt</translation>
    </message>
    <message>
        <source>&amp;Parts of the loan:</source>
        <translation>&amp;Lignes du prêt&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Add Part…</source>
        <translation>&amp;Ajouter une ligne…</translation>
    </message>
    <message>
        <source>&amp;Remove Part</source>
        <translation>&amp;Retirer la ligne</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Manquant</translation>
    </message>
    <message>
        <source>Not an account</source>
        <translation>Pas un compte</translation>
    </message>
    <message>
        <source>%1 is not an account: %2</source>
        <translation>%1 n&apos;est pas un compte&#xa0;: %2</translation>
    </message>
    <message>
        <source>Name of the part:</source>
        <translation>Nom de la ligne&#xa0;:</translation>
    </message>
    <message>
        <source>This file is not a loan set, and is not written over: save the set under another name from New Loan Set.</source>
        <translation>Ce fichier n&apos;est pas un montage de prêt et n&apos;est pas écrasé&#xa0;: enregistrez le montage sous un autre nom depuis Nouveau montage de prêt.</translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Loan Account</source>
        <translation>&amp;Nouveau compte de prêt</translation>
    </message>
    <message>
        <source>&amp;Open Loan Account</source>
        <translation>&amp;Ouvrir un compte de prêt</translation>
    </message>
    <message>
        <source>Open Loan &amp;Set…</source>
        <translation>Ouvrir un &amp;montage de prêt…</translation>
    </message>
    <message>
        <source>New &amp;Loan Set…</source>
        <translation>Nouveau mon&amp;tage de prêt…</translation>
    </message>
    <message>
        <source>&amp;Edit Loan Set…</source>
        <translation>Mod&amp;ifier le montage de prêt…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Lender</source>
        <translation>&amp;Prêteur</translation>
    </message>
    <message>
        <source>Lender&apos;s &amp;Conventions</source>
        <translation>&amp;Conventions du prêteur</translation>
    </message>
    <message>
        <source>&amp;Find Lender&apos;s Method</source>
        <translation>&amp;Trouver la méthode du prêteur</translation>
    </message>
    <message>
        <source>&amp;Offset Account</source>
        <translation>Compte de c&amp;ompensation</translation>
    </message>
    <message>
        <source>Rate &amp;Terms</source>
        <translation>Conditions de t&amp;aux</translation>
    </message>
    <message>
        <source>Re&amp;payment Terms</source>
        <translation>Conditions de &amp;remboursement</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>&amp;Check a Loan from the Bank&apos;s File…</source>
        <translation>&amp;Vérifier un prêt depuis le fichier de la banque…</translation>
    </message>
    <message>
        <source>Check a S&amp;plit Loan…</source>
        <translation>Vérifier un prêt en p&amp;lusieurs lignes…</translation>
    </message>
    <message>
        <source>&amp;New Account from Bank History…</source>
        <translation>&amp;Nouveau compte depuis l&apos;historique bancaire…</translation>
    </message>
    <message>
        <source>&amp;Statements from Bank History…</source>
        <translation>&amp;Relevés depuis l&apos;historique bancaire…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Prise en main</translation>
    </message>
    <message>
        <source>Interest Calculation Method</source>
        <translation>Méthode de calcul des intérêts</translation>
    </message>
    <message>
        <source>What Do I Do Now?</source>
        <translation>Que faire maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Language…</source>
        <translation>&amp;Langue…</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Language of the windows (from the next start):</source>
        <translation>Langue des fenêtres (au prochain démarrage)&#xa0;:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The language could not be kept for the next start.</source>
        <translation>La langue n&apos;a pas pu être conservée pour le prochain démarrage.</translation>
    </message>
    <message>
        <source>The language takes effect the next time Vantrell starts.</source>
        <translation>La langue prend effet au prochain démarrage de Vantrell.</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>New Loan Account</source>
        <translation>Nouveau compte de prêt</translation>
    </message>
    <message>
        <source>Open Loan Account</source>
        <translation>Ouvrir un compte de prêt</translation>
    </message>
</context>
<context>
    <name>Mt940Reader</name>
    <message>
        <source>The date &quot;%1&quot; does not read.</source>
        <translation>La date «&#xa0;%1&#xa0;» n&apos;est pas lisible.</translation>
    </message>
    <message>
        <source>The entry &quot;%1&quot; has no mark C, D, RC or RD after its date.</source>
        <translation>L&apos;écriture «&#xa0;%1&#xa0;» n&apos;a pas de marque C, D, RC ou RD après sa date.</translation>
    </message>
    <message>
        <source>The amount &quot;%1&quot; does not read.</source>
        <translation>Le montant «&#xa0;%1&#xa0;» n&apos;est pas lisible.</translation>
    </message>
    <message>
        <source>An interim report of the day: not booked yet.</source>
        <translation>Un relevé intermédiaire du jour&#xa0;: pas encore comptabilisé.</translation>
    </message>
    <message>
        <source>The statement %1 on line %2 states a closing balance of %3, but its entries add up to more than an account holds.</source>
        <translation>Le relevé %1 à la ligne %2 indique un solde final de %3, mais ses écritures dépassent ce qu&apos;un compte peut contenir.</translation>
    </message>
    <message>
        <source>The statement %1 on line %2 states a closing balance of %3, but its entries take its opening balance of %4 to %5.</source>
        <translation>Le relevé %1 à la ligne %2 indique un solde final de %3, mais ses écritures mènent son solde initial de %4 à %5.</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB: no bank statement is that long.</source>
        <translation>Le fichier dépasse %1 Mo&#xa0;: aucun relevé bancaire n&apos;est aussi long.</translation>
    </message>
    <message>
        <source>This is not an MT940 file: it has no &quot;:25:&quot; account field followed by balance or entry fields.</source>
        <translation>Ce n&apos;est pas un fichier MT940&#xa0;: il n&apos;a pas de champ de compte «&#xa0;:25:&#xa0;» suivi de champs de solde ou d&apos;écriture.</translation>
    </message>
    <message>
        <source>The file holds more than %1 entries: no bank statement is that long.</source>
        <translation>Le fichier contient plus de %1 écritures&#xa0;: aucun relevé bancaire n&apos;est aussi long.</translation>
    </message>
    <message>
        <source>The file has no such account.</source>
        <translation>Le fichier ne contient pas ce compte.</translation>
    </message>
    <message>
        <source>The account %1 has no entries in the file.</source>
        <translation>Le compte %1 n&apos;a aucune écriture dans le fichier.</translation>
    </message>
    <message>
        <source>The file has no entries.</source>
        <translation>Le fichier n&apos;a aucune écriture.</translation>
    </message>
</context>
<context>
    <name>OffsetImport</name>
    <message>
        <source>The balances run beyond the largest amount the program can hold; the file cannot be read as balances.</source>
        <translation>Les soldes dépassent le plus grand montant que le programme peut contenir&#xa0;; le fichier ne peut pas être lu comme des soldes.</translation>
    </message>
</context>
<context>
    <name>OffsetImportDialog</name>
    <message>
        <source>Import Offset Balances</source>
        <translation>Importer les soldes du compte de compensation</translation>
    </message>
    <message>
        <source>The file states no balances: type the offset account&apos;s balance before its first transaction as the opening balance.</source>
        <translation>Le fichier n&apos;indique aucun solde&#xa0;: saisissez comme solde initial le solde du compte de compensation avant sa première opération.</translation>
    </message>
    <message>
        <source>The opening balance &quot;%1&quot; does not read as an amount of money, such as 1,234.56 or -25.00.</source>
        <translation>Le solde initial «&#xa0;%1&#xa0;» ne se lit pas comme une somme d&apos;argent, telle que 1,234.56 ou -25.00.</translation>
    </message>
    <message>
        <source>The balances were imported, but the file&apos;s layout could not be remembered: %1</source>
        <translation>Les soldes ont été importés, mais le format du fichier n&apos;a pas pu être mémorisé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The offset account&apos;s balances cannot be read: %1</source>
        <translation>Les soldes du compte de compensation ne peuvent pas être lus&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Opening balance:</source>
        <translation>Solde &amp;initial&#xa0;:</translation>
    </message>
    <message>
        <source>Opening balance</source>
        <translation>Solde initial</translation>
    </message>
    <message>
        <source>Balances at the end of each day</source>
        <translation>Soldes en fin de journée</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Already stored</source>
        <translation>Déjà enregistré</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>a day&apos;s balance the account does not hold yet</extracomment>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>%1 days: %2 new, %3 already stored.</source>
        <translation>%1 jours&#xa0;: %2 nouveaux, %3 déjà enregistrés.</translation>
    </message>
    <message>
        <source>1 row of the file do not read and are left out.</source>
        <translation>1 ligne du fichier n&apos;est pas lisible et est écartée.</translation>
    </message>
    <message>
        <source>%1 rows of the file do not read and are left out.</source>
        <translation>%1 lignes du fichier ne sont pas lisibles et sont écartées.</translation>
    </message>
    <message>
        <source>1 row without a date yet (pending) are left out.</source>
        <translation>1 ligne encore sans date (en attente) est écartée.</translation>
    </message>
    <message>
        <source>%1 rows without a date yet (pending) are left out.</source>
        <translation>%1 lignes encore sans date (en attente) sont écartées.</translation>
    </message>
    <message>
        <source>1 row before the file&apos;s first balance are left out: the balance of their days is not known.</source>
        <translation>1 ligne antérieure au premier solde du fichier est écartée&#xa0;: le solde de son jour n&apos;est pas connu.</translation>
    </message>
    <message>
        <source>%1 rows before the file&apos;s first balance are left out: the balance of their days is not known.</source>
        <translation>%1 lignes antérieures au premier solde du fichier sont écartées&#xa0;: le solde de leurs jours n&apos;est pas connu.</translation>
    </message>
    <message>
        <source>The file does not read in this layout: %1</source>
        <translation>Le fichier n&apos;est pas lisible avec ce format&#xa0;: %1</translation>
    </message>
    <message>
        <source>The file gives no day&apos;s balance: there is nothing to import.</source>
        <translation>Le fichier ne donne aucun solde journalier&#xa0;: il n&apos;y a rien à importer.</translation>
    </message>
    <message>
        <source>Every day of the file already has a balance in the account: there is nothing to import.</source>
        <translation>Chaque jour du fichier a déjà un solde dans le compte&#xa0;: il n&apos;y a rien à importer.</translation>
    </message>
    <message>
        <source>Import Error: %1</source>
        <translation>Erreur d&apos;importation&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>OffsetWindow</name>
    <message>
        <source>Offset account balances</source>
        <translation>Soldes du compte de compensation</translation>
    </message>
    <message>
        <source>This loan has an &amp;offset account</source>
        <translation>Ce prêt a un compte de c&amp;ompensation</translation>
    </message>
    <message>
        <source>&amp;Share that counts (%):</source>
        <translation>&amp;Part prise en compte (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Share that counts (%)</source>
        <translation>Part prise en compte (%)</translation>
    </message>
    <message>
        <source>&amp;Balances at the end of each day:</source>
        <translation>&amp;Soldes en fin de journée&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>Offset Account</source>
        <translation>Compte de compensation</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>An offset account is a transaction account whose balance the lender sets against the loan&apos;s before it works out the interest. Enter its balance at the end of each day on which it changed (each holds until the next one), or import them from the bank&apos;s file.</source>
        <translation>Un compte de compensation est un compte courant dont le prêteur déduit le solde de celui du prêt avant de calculer les intérêts. Saisissez son solde en fin de journée pour chaque jour où il a changé (chacun vaut jusqu&apos;au suivant), ou importez-les depuis le fichier de la banque.</translation>
    </message>
    <message>
        <source>The offset account&apos;s settings could not be stored: %1</source>
        <translation>Les paramètres du compte de compensation n&apos;ont pas pu être enregistrés&#xa0;: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a share that can count. Type a per cent from 0 to 100 with at most two decimals, such as 100, 40 or 33.5. The share stays %2 %.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une part qui peut être prise en compte. Saisissez un pourcentage de 0 à 100 avec au plus deux décimales, par exemple 100, 40 ou 33.5. La part reste de %2&#xa0;%.</translation>
    </message>
    <message>
        <source>Delete the balance of %1 (%2)?</source>
        <translation>Supprimer le solde du %1 (%2)&#xa0;?</translation>
    </message>
</context>
<context>
    <name>OfxChild</name>
    <message>
        <source>The OFX reader %1 is missing from the program&apos;s folder: install Vantrell again.</source>
        <translation>Le lecteur OFX %1 est absent du dossier du programme&#xa0;: réinstallez Vantrell.</translation>
    </message>
    <message>
        <source>The file could not be prepared for reading: %1</source>
        <translation>Le fichier n&apos;a pas pu être préparé pour la lecture&#xa0;: %1</translation>
    </message>
    <message>
        <source>The OFX reader %1 could not be started: %2</source>
        <translation>Le lecteur OFX %1 n&apos;a pas pu être démarré&#xa0;: %2</translation>
    </message>
    <message>
        <source>The reading of the file was cancelled.</source>
        <translation>La lecture du fichier a été annulée.</translation>
    </message>
    <message>
        <source>The file could not be read: its OFX reader stopped (%1).</source>
        <translation>Le fichier n&apos;a pas pu être lu&#xa0;: son lecteur OFX s&apos;est arrêté (%1).</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>code de sortie %1</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>il s&apos;est arrêté brutalement</translation>
    </message>
    <message>
        <source>The file could not be read: its OFX reader&apos;s answer does not read.</source>
        <translation>Le fichier n&apos;a pas pu être lu&#xa0;: la réponse de son lecteur OFX n&apos;est pas lisible.</translation>
    </message>
    <message>
        <source>The file could not be read in time: its reading had not finished after %1 seconds. The file may be damaged, or far larger than a statement.</source>
        <translation>Le fichier n&apos;a pas pu être lu à temps&#xa0;: sa lecture n&apos;était pas terminée après %1 secondes. Le fichier est peut-être endommagé, ou bien plus volumineux qu&apos;un relevé.</translation>
    </message>
</context>
<context>
    <name>OfxReader</name>
    <message>
        <source>The file could not be prepared for reading: %1</source>
        <translation>Le fichier n&apos;a pas pu être préparé pour la lecture&#xa0;: %1</translation>
    </message>
    <message>
        <source>The transaction has no posting date.</source>
        <translation>L&apos;opération n&apos;a pas de date de comptabilisation.</translation>
    </message>
    <message>
        <source>The posting date &quot;%1&quot; does not read.</source>
        <translation>La date de comptabilisation «&#xa0;%1&#xa0;» n&apos;est pas lisible.</translation>
    </message>
    <message>
        <source>The transaction&apos;s posting date does not read.</source>
        <translation>La date de comptabilisation de l&apos;opération n&apos;est pas lisible.</translation>
    </message>
    <message>
        <source>The transaction has no amount that reads.</source>
        <translation>L&apos;opération n&apos;a pas de montant lisible.</translation>
    </message>
    <message>
        <source>This is not an OFX file: it has no &lt;OFX&gt; element.</source>
        <translation>Ce n&apos;est pas un fichier OFX&#xa0;: il n&apos;a pas d&apos;élément &lt;OFX&gt;.</translation>
    </message>
    <message>
        <source>Only %1 of the file&apos;s %2 transactions read; the first that did not may start on this line.</source>
        <translation>Seules %1 des %2 opérations du fichier sont lisibles&#xa0;; la première qui ne l&apos;est pas commence peut-être à cette ligne.</translation>
    </message>
    <message>
        <source>The file ends before its closing &lt;/OFX&gt;: it is cut short.</source>
        <translation>Le fichier se termine avant sa balise de fermeture &lt;/OFX&gt;&#xa0;: il est tronqué.</translation>
    </message>
    <message>
        <source>The file has no transactions.</source>
        <translation>Le fichier n&apos;a pas d&apos;opérations.</translation>
    </message>
    <message>
        <source>The bank&apos;s file reports an error: %1</source>
        <translation>Le fichier de la banque signale une erreur&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>Cannot write &apos;%1&apos;: %2</source>
        <translation>Impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write a file without a name.</source>
        <translation>Impossible d&apos;écrire un fichier sans nom.</translation>
    </message>
    <message>
        <source>it is a link to the account &apos;%1&apos;, which is never written over.</source>
        <translation>c&apos;est un lien vers le compte «&#xa0;%1&#xa0;», qui n&apos;est jamais écrasé.</translation>
    </message>
    <message>
        <source>it is the account itself, which is never written over.</source>
        <translation>c&apos;est le compte lui-même, qui n&apos;est jamais écrasé.</translation>
    </message>
    <message>
        <source>it is a symbolic link, and nothing is written through one: name the file itself.</source>
        <translation>c&apos;est un lien symbolique, et rien n&apos;est écrit à travers un lien&#xa0;: indiquez le fichier lui-même.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>c&apos;est un dossier.</translation>
    </message>
    <message>
        <source>it is not a regular file (a pipe, a device or a socket), and is never replaced.</source>
        <translation>ce n&apos;est pas un fichier ordinaire (un tube, un périphérique ou un socket), et il n&apos;est jamais remplacé.</translation>
    </message>
    <message>
        <source>it is an account file, which is never written over.</source>
        <translation>c&apos;est un fichier de compte, qui n&apos;est jamais écrasé.</translation>
    </message>
    <message>
        <source>it names the same file as &apos;%1&apos;, and each output needs a file of its own.</source>
        <translation>il désigne le même fichier que «&#xa0;%1&#xa0;», et chaque sortie a besoin de son propre fichier.</translation>
    </message>
</context>
<context>
    <name>PartImport</name>
    <message>
        <source>%1 holds several accounts: import it with the history import, which asks which one</source>
        <translation>%1 contient plusieurs comptes&#xa0;: importez-le avec l&apos;importation de l&apos;historique, qui demande lequel choisir</translation>
    </message>
    <message>
        <source>line %1 of %2 does not read: %3</source>
        <translation>la ligne %1 de %2 n&apos;est pas lisible&#xa0;: %3</translation>
    </message>
    <message>
        <source>the account&apos;s history cannot be read: %1</source>
        <translation>l&apos;historique du compte ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 was not imported</source>
        <translation>%1 n&apos;a pas été importé</translation>
    </message>
    <message>
        <source>%1 holds no complete statement to import</source>
        <translation>%1 ne contient aucun relevé complet à importer</translation>
    </message>
    <message>
        <source>nothing written: %1</source>
        <translation>rien n&apos;a été écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>the rates cannot be proposed: %1</source>
        <translation>les taux ne peuvent pas être proposés&#xa0;: %1</translation>
    </message>
    <message>
        <source>the rates proposed cannot be stored: %1</source>
        <translation>les taux proposés ne peuvent pas être enregistrés&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 exists already</source>
        <translation>%1 existe déjà</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>%1 ne peut pas être créé&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 ne peut pas être ouvert&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>PassOn</name>
    <message>
        <source>The costs are not worked out: the series changes %1 times within a history of %2 rows, and %3 million changes times rows is the most whose costs are worked out.</source>
        <translation>Les coûts ne sont pas calculés&#xa0;: la série change %1 fois au cours d&apos;un historique de %2 lignes, et les coûts ne sont calculés que jusqu&apos;à %3 millions de changements multipliés par les lignes.</translation>
    </message>
    <message>
        <source>The costs cannot be worked out: the stored rate periods do not give the interest due over the whole history.</source>
        <translation>Les coûts ne peuvent pas être calculés&#xa0;: les périodes de taux enregistrées ne donnent pas les intérêts dus sur tout l&apos;historique.</translation>
    </message>
    <message>
        <source>The cost of the change of %1 cannot be worked out.</source>
        <translation>Le coût du changement du %1 ne peut pas être calculé.</translation>
    </message>
    <message>
        <source>The cost of every change passed on in full cannot be worked out: it is more than an account can hold.</source>
        <translation>Le coût de la répercussion intégrale de chaque changement ne peut pas être calculé&#xa0;: il dépasse ce qu&apos;un compte peut contenir.</translation>
    </message>
</context>
<context>
    <name>Payoff</name>
    <message>
        <source>No repayment was taken from the history: the projection goes on at the repayment the terms require.</source>
        <translation>Aucune échéance n&apos;a pu être tirée de l&apos;historique&#xa0;: la projection se poursuit avec l&apos;échéance exigée par les conditions.</translation>
    </message>
    <message>
        <source>No rate period covers the history&apos;s last day: nothing can be projected past it.</source>
        <translation>Aucune période de taux ne couvre le dernier jour de l&apos;historique&#xa0;: rien ne peut être projeté au-delà.</translation>
    </message>
</context>
<context>
    <name>PrintedReport</name>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Govt Charge:</source>
        <translation>Taxes&#xa0;:</translation>
    </message>
    <message>
        <source>Bank Charge:</source>
        <translation>Frais banc.&#xa0;:</translation>
    </message>
    <message>
        <source>Withdrawal:</source>
        <translation>Retrait&#xa0;:</translation>
    </message>
    <message>
        <source>Deposit:</source>
        <translation>Versement&#xa0;:</translation>
    </message>
    <message>
        <source>Interest Paid:</source>
        <translation>Int. débités&#xa0;:</translation>
    </message>
    <message>
        <source>Interest Due:</source>
        <translation>Int. dus&#xa0;:</translation>
    </message>
    <message>
        <source>Balance:</source>
        <translation>Solde&#xa0;:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Compensation&#xa0;:</translation>
    </message>
    <message>
        <source>Errors and Omissions Excluded.</source>
        <translation>Sauf erreur ou omission.</translation>
    </message>
    <message>
        <source>If any statements have not been included in this report the calculated interest due for these periods will not be accurate.</source>
        <translation>Si des relevés n&apos;ont pas été inclus dans ce rapport, les intérêts dus calculés pour ces périodes ne seront pas exacts.</translation>
    </message>
    <message>
        <source>Page %1 of %2 Pages</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Printed on %1</source>
        <translation>Imprimé le %1</translation>
    </message>
    <message>
        <source>overflow</source>
        <extracomment>A total too large to show</extracomment>
        <translation>dépassement</translation>
    </message>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (suite)</translation>
    </message>
    <message>
        <source>The page has no room to print on.</source>
        <translation>La page n&apos;offre aucune surface imprimable.</translation>
    </message>
    <message>
        <source>The report could not be sent to the printer or file.</source>
        <translation>Le rapport n&apos;a pas pu être envoyé à l&apos;imprimante ou au fichier.</translation>
    </message>
    <message>
        <source>The printer or file took no further page.</source>
        <translation>L&apos;imprimante ou le fichier n&apos;a accepté aucune page supplémentaire.</translation>
    </message>
    <message>
        <source>The report could not be finished on the printer or file.</source>
        <translation>Le rapport n&apos;a pas pu être terminé sur l&apos;imprimante ou dans le fichier.</translation>
    </message>
    <message>
        <source>The pages could not be finished on the printer or file.</source>
        <translation>Les pages n&apos;ont pas pu être terminées sur l&apos;imprimante ou dans le fichier.</translation>
    </message>
    <message>
        <source>Vantrell Report</source>
        <translation>Rapport Vantrell</translation>
    </message>
</context>
<context>
    <name>QifReader</name>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>The file ends inside this transaction, before its &quot;^&quot;: it is cut short.</source>
        <translation>Le fichier se termine à l&apos;intérieur de cette opération, avant son «&#xa0;^&#xa0;»&#xa0;: il est tronqué.</translation>
    </message>
    <message>
        <source>The transaction has no date (no &quot;D&quot; line).</source>
        <translation>L&apos;opération n&apos;a pas de date (pas de ligne «&#xa0;D&#xa0;»).</translation>
    </message>
    <message>
        <source>The transaction has no amount (no &quot;T&quot; line).</source>
        <translation>L&apos;opération n&apos;a pas de montant (pas de ligne «&#xa0;T&#xa0;»).</translation>
    </message>
    <message>
        <source>The date &quot;%1&quot; does not read.</source>
        <translation>La date «&#xa0;%1&#xa0;» n&apos;est pas lisible.</translation>
    </message>
    <message>
        <source>The amount &quot;%1&quot; does not read.</source>
        <translation>Le montant «&#xa0;%1&#xa0;» n&apos;est pas lisible.</translation>
    </message>
    <message>
        <source>The file has no such account.</source>
        <translation>Le fichier ne contient pas ce compte.</translation>
    </message>
    <message>
        <source>The account %1 has no bank transactions in the file.</source>
        <translation>Le compte %1 n&apos;a pas d&apos;opérations bancaires dans le fichier.</translation>
    </message>
    <message>
        <source>The file holds the transactions of %1 accounts (%2); one of them has to be chosen.</source>
        <translation>Le fichier contient les opérations de %1 comptes (%2)&#xa0;; l&apos;un d&apos;eux doit être choisi.</translation>
    </message>
    <message>
        <source>This is not a QIF file: it has no &quot;!Type:&quot; line and no &quot;^&quot; at the end of a transaction.</source>
        <translation>Ce n&apos;est pas un fichier QIF&#xa0;: il n&apos;a pas de ligne «&#xa0;!Type:&#xa0;» ni de «&#xa0;^&#xa0;» à la fin d&apos;une opération.</translation>
    </message>
    <message>
        <source>The file has no bank transactions.</source>
        <translation>Le fichier n&apos;a pas d&apos;opérations bancaires.</translation>
    </message>
</context>
<context>
    <name>RateProposal</name>
    <message>
        <source>The charge of %1 differs from the interest due by more than an account can hold: no rates are proposed for this account.</source>
        <translation>Le débit du %1 s&apos;écarte des intérêts dus de plus que ce qu&apos;un compte peut contenir&#xa0;: aucun taux n&apos;est proposé pour ce compte.</translation>
    </message>
    <message>
        <source>This method does not fit the lender&apos;s charges: no rate under it reproduces any of them.</source>
        <translation>Cette méthode ne correspond pas aux débits du prêteur&#xa0;: aucun taux calculé selon elle n&apos;en reproduit un seul.</translation>
    </message>
    <message>
        <source>No rate could be proposed: no charge of the lender could be compared with an interest posting under this method.</source>
        <translation>Aucun taux n&apos;a pu être proposé&#xa0;: aucun débit du prêteur n&apos;a pu être comparé à un débit d&apos;intérêts selon cette méthode.</translation>
    </message>
</context>
<context>
    <name>RateProposalDialog</name>
    <message>
        <source>&amp;Store</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Méthode&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;Jour&#xa0;:</translation>
    </message>
    <message>
        <source>Day &amp;count:</source>
        <translation>Décom&amp;pte des jours&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Rounding:</source>
        <translation>&amp;Arrondi&#xa0;:</translation>
    </message>
    <message>
        <source>R&amp;est:</source>
        <translation>Sol&amp;de de calcul&#xa0;:</translation>
    </message>
    <message>
        <source>Com&amp;pounding:</source>
        <translation>&amp;Capitalisation&#xa0;:</translation>
    </message>
    <message>
        <source>Periods a &amp;year:</source>
        <translation>Périodes pa&amp;r an&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Try Every Method</source>
        <translation>Essayer &amp;toutes les méthodes</translation>
    </message>
    <message>
        <source>For a borrower who knows neither the method nor the conventions: each is tried, and the one whose rates reproduce most charges is proposed.</source>
        <translation>Pour un emprunteur qui ne connaît ni la méthode ni les conventions&#xa0;: chacune est essayée, et celle dont les taux reproduisent le plus de débits est proposée.</translation>
    </message>
    <message>
        <source>Proposed rate periods</source>
        <translation>Périodes de taux proposées</translation>
    </message>
    <message>
        <source>Rate periods stored</source>
        <translation>Périodes de taux enregistrées</translation>
    </message>
    <message>
        <source>Charges that no proposed rate reproduces</source>
        <translation>Débits qu&apos;aucun taux proposé ne reproduit</translation>
    </message>
    <message>
        <source>Tried %1 ways of working; the one shown reproduces the most charges with the fewest periods.</source>
        <translation>%1 façons de calculer essayées&#xa0;; celle affichée reproduit le plus de débits avec le moins de périodes.</translation>
    </message>
    <message numerus="yes">
        <source>%n stored rate period(s) share days with the ticked ones:
%1

Replace them with the ticked periods?</source>
        <translation>
            <numerusform>%n période(s) de taux enregistrée(s) chevauchent les périodes cochées&#xa0;:
%1

Les remplacer par les périodes cochées&#xa0;?</numerusform>
            <numerusform>%n période(s) de taux enregistrée(s) chevauchent les périodes cochées&#xa0;:
%1

Les remplacer par les périodes cochées&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Propose Rate Periods from Charges</source>
        <translation>Proposer des périodes de taux à partir des débits</translation>
    </message>
    <message>
        <source>Store</source>
        <extracomment>the tick column: whether the proposed period is stored</extracomment>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Taux</translation>
    </message>
    <message>
        <source>Postings</source>
        <translation>Débits d&apos;intérêts</translation>
    </message>
    <message>
        <source>Reproduced</source>
        <translation>Reproduit</translation>
    </message>
    <message>
        <source>Proposed rate periods (tick those to store):</source>
        <translation>Périodes de taux proposées (cochez celles à enregistrer)&#xa0;:</translation>
    </message>
    <message>
        <source>Rate periods stored:</source>
        <translation>Périodes de taux enregistrées&#xa0;:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Charged</source>
        <translation>Débité</translation>
    </message>
    <message>
        <source>Nearest Rate</source>
        <translation>Taux le plus proche</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Charges that no proposed rate reproduces (difference: the charge less the interest due under the proposal):</source>
        <translation>Débits qu&apos;aucun taux proposé ne reproduit (écart&#xa0;: le débit moins les intérêts dus selon la proposition)&#xa0;:</translation>
    </message>
    <message>
        <source>Try Every Method finds the way of working that reproduces the charges.</source>
        <translation>Essayer toutes les méthodes trouve la façon de calculer qui reproduit les débits.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>a proposed period&apos;s first day, then what changed on it</extracomment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Tick the proposed periods to store.</source>
        <translation>Cochez les périodes proposées à enregistrer.</translation>
    </message>
    <message>
        <source>%1 to %2 at %3</source>
        <translation>Du %1 au %2 à %3</translation>
    </message>
    <message>
        <source>The rate periods could not be stored: %1</source>
        <translation>Les périodes de taux n&apos;ont pas pu être enregistrées&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>RateProposalRendering</name>
    <message>
        <source>a change on any of %1 days from %2 to %3 reproduces the charge; the earliest is taken</source>
        <translation>un changement à n&apos;importe lequel des %1 jours du %2 au %3 reproduit le débit&#xa0;; le plus ancien est retenu</translation>
    </message>
    <message>
        <source>The proposed periods reproduce %1 of %2 charges to the cent.</source>
        <translation>Les périodes proposées reproduisent au centime près %1 des %2 débits.</translation>
    </message>
    <message>
        <source>%1 posting(s) left out: their period is incomplete, the lender charged nothing on their date or nothing bore interest.</source>
        <translation>%1 débit(s) d&apos;intérêts écarté(s)&#xa0;: leur période est incomplète, le prêteur n&apos;a rien débité à leur date ou rien n&apos;a porté intérêts.</translation>
    </message>
    <message>
        <source>%1 charge(s) fall on a date with no posting under this method and were left out.</source>
        <translation>%1 débit(s) du prêteur tombant à une date sans débit d&apos;intérêts selon cette méthode ont été écarté(s).</translation>
    </message>
    <message>
        <source>A rate that reproduces the lender&apos;s charges is not proof that the charge was right. Compare the proposed change dates and rates with the lender&apos;s rate notices: a posting that no rate reproduces is where to look.</source>
        <translation>Un taux qui reproduit les débits du prêteur ne prouve pas que le débit était juste. Comparez les dates de changement et les taux proposés avec les courriers de taux du prêteur&#xa0;: c&apos;est un débit d&apos;intérêts qu&apos;aucun taux ne reproduit qu&apos;il faut examiner.</translation>
    </message>
</context>
<context>
    <name>RateTerms</name>
    <message>
        <source>No rate is owed from %1 to %2: %3.</source>
        <translation>Aucun taux n&apos;est dû du %1 au %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The series %1 is known to %2: the owed rates after it take its last rate as still in force.</source>
        <translation>La série %1 est connue jusqu&apos;au %2&#xa0;: au-delà, les taux dus reprennent son dernier taux comme toujours en vigueur.</translation>
    </message>
    <message>
        <source>the fixed terms have no rate</source>
        <translation>les conditions à taux fixe n&apos;ont pas de taux</translation>
    </message>
    <message>
        <source>fixed</source>
        <translation>fixe</translation>
    </message>
    <message>
        <source>the fixed rate ended on %1 and no terms follow</source>
        <translation>le taux fixe a pris fin le %1 et aucune condition ne suit</translation>
    </message>
    <message>
        <source>the series &apos;%1&apos; is not in the account</source>
        <translation>la série «&#xa0;%1&#xa0;» n&apos;est pas dans le compte</translation>
    </message>
    <message>
        <source>%1 %2 from %3 + %4</source>
        <translation>%1 %2 depuis le %3 + %4</translation>
    </message>
    <message>
        <source>the series %1 starts later</source>
        <translation>la série %1 commence plus tard</translation>
    </message>
    <message>
        <source>the adjustable terms are incomplete</source>
        <translation>les conditions révisables sont incomplètes</translation>
    </message>
    <message>
        <source>initial rate</source>
        <translation>taux initial</translation>
    </message>
    <message>
        <source>the adjustable terms have no initial rate</source>
        <translation>les conditions révisables n&apos;ont pas de taux initial</translation>
    </message>
    <message>
        <source>the series %1 has no rate on %2</source>
        <translation>la série %1 n&apos;a pas de taux au %2</translation>
    </message>
    <message>
        <source>%1 %2 on %3 + %4</source>
        <translation>%1 %2 au %3 + %4</translation>
    </message>
    <message>
        <source>no rate period is stored for it</source>
        <translation>aucune période de taux n&apos;est enregistrée pour ces jours</translation>
    </message>
    <message>
        <source>stored</source>
        <translation>enregistré</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fixe</translation>
    </message>
    <message>
        <source>Tracker</source>
        <translation>Indexé</translation>
    </message>
    <message>
        <source>Adjustable (index plus margin)</source>
        <translation>Révisable (indice plus marge)</translation>
    </message>
    <message>
        <source>Lender&apos;s variable rate</source>
        <translation>Taux variable du prêteur</translation>
    </message>
    <message>
        <source>Choose the reference series of the tracker terms.</source>
        <translation>Choisissez la série de référence des conditions indexées.</translation>
    </message>
    <message>
        <source>Choose the reference series of the adjustable (index plus margin) terms.</source>
        <translation>Choisissez la série de référence des conditions révisables (indice plus marge).</translation>
    </message>
    <message>
        <source>Choose the reference series of the lender&apos;s variable rate terms.</source>
        <translation>Choisissez la série de référence des conditions de taux variable du prêteur.</translation>
    </message>
    <message>
        <source>Each terms period needs the date it starts.</source>
        <translation>Chaque période de conditions a besoin de sa date de début.</translation>
    </message>
    <message>
        <source>Fixed terms need their rate.</source>
        <translation>Les conditions à taux fixe exigent leur taux.</translation>
    </message>
    <message>
        <source>The fixed rate cannot end before it starts.</source>
        <translation>Le taux fixe ne peut pas se terminer avant de commencer.</translation>
    </message>
    <message>
        <source>The series &apos;%1&apos; is not in the account.</source>
        <translation>La série «&#xa0;%1&#xa0;» n&apos;est pas dans le compte.</translation>
    </message>
    <message>
        <source>The lag is 0 to 366 days.</source>
        <translation>Le décalage est de 0 à 366 jours.</translation>
    </message>
    <message>
        <source>Adjustable terms need a first change date on or after their start.</source>
        <translation>Les conditions révisables exigent une date de premier changement égale ou postérieure à leur début.</translation>
    </message>
    <message>
        <source>The months between changes are 1 to 120.</source>
        <translation>Le nombre de mois entre les changements est de 1 à 120.</translation>
    </message>
    <message>
        <source>The look-back is 0 to 366 days.</source>
        <translation>L&apos;antériorité de l&apos;indice est de 0 à 366 jours.</translation>
    </message>
    <message>
        <source>The rounding step must be above 0.</source>
        <translation>Le pas d&apos;arrondi doit être supérieur à 0.</translation>
    </message>
    <message>
        <source>A cap cannot be below 0.</source>
        <translation>Un plafond ne peut pas être inférieur à 0.</translation>
    </message>
    <message>
        <source>nearest</source>
        <extracomment>a rate rounded to the nearest step</extracomment>
        <translation>au plus proche</translation>
    </message>
    <message>
        <source>up</source>
        <extracomment>a rate rounded up to a step</extracomment>
        <translation>vers le haut</translation>
    </message>
    <message>
        <source>down</source>
        <extracomment>a rate rounded down to a step</extracomment>
        <translation>vers le bas</translation>
    </message>
</context>
<context>
    <name>RateTermsWindow</name>
    <message>
        <source>Stored rates</source>
        <translation>Taux enregistrés</translation>
    </message>
    <message>
        <source>Owed rates</source>
        <translation>Taux dus</translation>
    </message>
    <message>
        <source>&amp;View Report Under the Terms</source>
        <translation>&amp;Voir le rapport selon les conditions</translation>
    </message>
    <message>
        <source>The report and its summary under the rates the terms owe; the stored rate periods stay as they are.</source>
        <translation>Le rapport et sa synthèse selon les taux dus d&apos;après les conditions&#xa0;; les périodes de taux enregistrées restent inchangées.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Rate terms periods</source>
        <translation>Périodes des conditions de taux</translation>
    </message>
    <message>
        <source>Terms &amp;periods:</source>
        <translation>Périodes des &amp;conditions&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;New Period</source>
        <translation>&amp;Nouvelle période</translation>
    </message>
    <message>
        <source>&amp;Save Period</source>
        <translation>&amp;Enregistrer la période</translation>
    </message>
    <message>
        <source>&amp;Delete Period</source>
        <translation>&amp;Supprimer la période</translation>
    </message>
    <message>
        <source>Terms period</source>
        <translation>Période de conditions</translation>
    </message>
    <message>
        <source>&amp;Terms:</source>
        <translation>T&amp;ype de conditions&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du&#xa0;:</translation>
    </message>
    <message>
        <source>Fixed: the rate. Adjustable: the rate until the first change, which the caps count from.</source>
        <translation>Fixe&#xa0;: le taux. Révisable&#xa0;: le taux jusqu&apos;au premier changement, à partir duquel les plafonds sont comptés.</translation>
    </message>
    <message>
        <source>&amp;Rate (%):</source>
        <translation>&amp;Taux (%)&#xa0;:</translation>
    </message>
    <message>
        <source>The fixed rate&apos;s last day; empty: until the next period.</source>
        <translation>Le dernier jour du taux fixe&#xa0;; vide&#xa0;: jusqu&apos;à la période suivante.</translation>
    </message>
    <message>
        <source>&amp;Until:</source>
        <translation>&amp;Jusqu&apos;au&#xa0;:</translation>
    </message>
    <message>
        <source>Reference s&amp;eries:</source>
        <translation>Série de &amp;référence&#xa0;:</translation>
    </message>
    <message>
        <source>M&amp;argin (points):</source>
        <translation>Mar&amp;ge (points)&#xa0;:</translation>
    </message>
    <message>
        <source>A change of the reference applies this many days after its date; the lender&apos;s answer is looked for up to %1 days after that.</source>
        <translation>Un changement de la référence s&apos;applique ce nombre de jours après sa date&#xa0;; la réponse du prêteur est recherchée jusqu&apos;à %1 jours après.</translation>
    </message>
    <message>
        <source>&amp;Lag (days):</source>
        <translation>Déca&amp;lage (jours)&#xa0;:</translation>
    </message>
    <message>
        <source>From the first day of the ne&amp;xt month</source>
        <translation>À p&amp;artir du premier jour du mois suivant</translation>
    </message>
    <message>
        <source>R&amp;ounding:</source>
        <translation>Arr&amp;ondi&#xa0;:</translation>
    </message>
    <message>
        <source>Roundin&amp;g step (points):</source>
        <translation>&amp;Pas d&apos;arrondi (points)&#xa0;:</translation>
    </message>
    <message>
        <source>First c&amp;hange:</source>
        <translation>Premier c&amp;hangement&#xa0;:</translation>
    </message>
    <message>
        <source>Months &amp;between changes:</source>
        <translation>Nom&amp;bre de mois entre les changements&#xa0;:</translation>
    </message>
    <message>
        <source>The index in force this many days before the change date.</source>
        <translation>L&apos;indice en vigueur ce nombre de jours avant la date du changement.</translation>
    </message>
    <message>
        <source>Look-bac&amp;k (days):</source>
        <translation>Antériorité de l&apos;inde&amp;x (jours)&#xa0;:</translation>
    </message>
    <message>
        <source>First change cap (points):</source>
        <translation>Plafond du premier changement (points)&#xa0;:</translation>
    </message>
    <message>
        <source>Each change cap (points):</source>
        <translation>Plafond par changement (points)&#xa0;:</translation>
    </message>
    <message>
        <source>Life cap (points above the first rate):</source>
        <translation>Plafond sur la durée (points au-dessus du premier taux)&#xa0;:</translation>
    </message>
    <message>
        <source>Floor (%):</source>
        <translation>Plancher (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Séries</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Éditeur</translation>
    </message>
    <message>
        <source>Known to</source>
        <translation>Connue jusqu&apos;au</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Changements</translation>
    </message>
    <message>
        <source>The account&apos;s reference series</source>
        <translation>Les séries de référence du compte</translation>
    </message>
    <message>
        <source>Series kept in the account:</source>
        <translation>Séries conservées dans le compte&#xa0;:</translation>
    </message>
    <message>
        <source>Add Series from F&amp;ile...</source>
        <translation>Ajouter une série depuis un f&amp;ichier...</translation>
    </message>
    <message>
        <source>A CSV file of dates and rates: your lender&apos;s published rate, an index&apos;s values, or a newer copy of a shipped series.</source>
        <translation>Un fichier CSV de dates et de taux&#xa0;: le taux publié par votre prêteur, les valeurs d&apos;un indice ou une copie plus récente d&apos;une série fournie.</translation>
    </message>
    <message>
        <source>Dates and rates, one a line</source>
        <translation>Dates et taux, un par ligne</translation>
    </message>
    <message>
        <source>One date and rate a line, for example:
1/7/2023 7.24
1/12/2023 7.49</source>
        <translation>Une date et un taux par ligne, par exemple&#xa0;:
1/7/2023 7.24
1/12/2023 7.49</translation>
    </message>
    <message>
        <source>Dates and rates, one a line:</source>
        <translation>Dates et taux, un par ligne&#xa0;:</translation>
    </message>
    <message>
        <source>Add T&amp;yped Series</source>
        <translation>Ajo&amp;uter une série saisie</translation>
    </message>
    <message>
        <source>Name of a typed series:</source>
        <translation>Nom d&apos;une série saisie&#xa0;:</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Owed</source>
        <translation>Dû</translation>
    </message>
    <message>
        <source>Stored</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>How</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Rates owed under the terms</source>
        <translation>Taux dus selon les conditions</translation>
    </message>
    <message>
        <source>Owed Rates</source>
        <translation>Taux dus</translation>
    </message>
    <message>
        <source>&amp;Method of the costs:</source>
        <translation>&amp;Méthode des coûts&#xa0;:</translation>
    </message>
    <message>
        <source>Changes of the reference passed on</source>
        <translation>Changements de la référence répercutés</translation>
    </message>
    <message>
        <source>Passed On</source>
        <translation>Répercuté</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Each terms period needs the date it starts.</source>
        <translation>Chaque période de conditions a besoin de sa date de début.</translation>
    </message>
    <message>
        <source>A terms period already starts on %1.</source>
        <translation>Une période de conditions commence déjà le %1.</translation>
    </message>
    <message>
        <source>Delete the terms period from %1 (%2)? It goes from the account at once.</source>
        <translation>Supprimer la période de conditions du %1 (%2)&#xa0;? Elle est retirée du compte immédiatement.</translation>
    </message>
    <message>
        <source>The account already holds a series &apos;%1&apos;. Replace it with this one?</source>
        <translation>Le compte contient déjà une série «&#xa0;%1&#xa0;». La remplacer par celle-ci&#xa0;?</translation>
    </message>
    <message>
        <source>Add Series from File</source>
        <translation>Ajouter une série depuis un fichier</translation>
    </message>
    <message>
        <source>Dates and rates|*.csv *.txt</source>
        <translation>Dates et taux|*.csv *.txt</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Give the typed series a name.</source>
        <translation>Donnez un nom à la série saisie.</translation>
    </message>
    <message>
        <source>The account&apos;s history cannot be read: nothing is owed here.</source>
        <translation>L&apos;historique du compte ne peut pas être lu&#xa0;: rien n&apos;est dû ici.</translation>
    </message>
    <message>
        <source>Enter the loan&apos;s rate terms, period by period, from its first day.</source>
        <translation>Saisissez les conditions de taux du prêt, période par période, à partir de son premier jour.</translation>
    </message>
    <message>
        <source>The terms do not owe a rate on every day of the history yet: see the Owed Rates tab.</source>
        <translation>Les conditions ne donnent pas encore de taux dû pour chaque jour de l&apos;historique&#xa0;: voir l&apos;onglet Taux dus.</translation>
    </message>
    <message>
        <source>Add a period of the lender&apos;s variable rate against a reference series to see whether its changes were passed on.</source>
        <translation>Ajoutez une période du taux variable du prêteur rapportée à une série de référence pour voir si ses changements ont été répercutés.</translation>
    </message>
    <message>
        <source>The account has no committed statement to report on yet.</source>
        <translation>Le compte n&apos;a encore aucun relevé validé sur lequel établir un rapport.</translation>
    </message>
    <message>
        <source>The terms period typed is not saved. Close without saving it?</source>
        <translation>La période de conditions saisie n&apos;est pas enregistrée. Fermer sans l&apos;enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>The rate terms could not be stored: %1</source>
        <translation>Les conditions de taux n&apos;ont pas pu être enregistrées&#xa0;: %1</translation>
    </message>
    <message>
        <source>The series could not be read: %1</source>
        <translation>La série n&apos;a pas pu être lue&#xa0;: %1</translation>
    </message>
    <message>
        <source>Stored, owed and reference rates</source>
        <translation>Taux enregistrés, dus et de référence</translation>
    </message>
    <message>
        <source>What your loan contract says the rate is: a fixed rate, a tracker of a reference rate, an adjustable rate (an index plus a margin on set dates) or the lender&apos;s own variable rate. From these terms and the published reference rates the program works out the rates owed, and whether the lender passed on each change of its reference. Each period is stored when you save it; the stored rate periods are never changed here.</source>
        <translation>Ce que votre contrat de prêt indique comme taux&#xa0;: un taux fixe, un taux indexé sur un taux de référence, un taux révisable (un indice plus une marge à des dates fixées) ou le taux variable propre au prêteur. À partir de ces conditions et des taux de référence publiés, le programme calcule les taux dus, et si le prêteur a répercuté chaque changement de sa référence. Chaque période est enregistrée lorsque vous l&apos;enregistrez&#xa0;; les périodes de taux enregistrées ne sont jamais modifiées ici.</translation>
    </message>
    <message>
        <source>Rate Terms</source>
        <translation>Conditions de taux</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>rounding of the rate: none</extracomment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Up</source>
        <extracomment>rounding of the rate up to the step</extracomment>
        <translation>Vers le haut</translation>
    </message>
    <message>
        <source>Down</source>
        <extracomment>rounding of the rate down to the step</extracomment>
        <translation>Vers le bas</translation>
    </message>
    <message>
        <source>To the nearest</source>
        <translation>Au plus proche</translation>
    </message>
    <message>
        <source>The start &apos;%1&apos; is not a date.</source>
        <translation>Le début «&#xa0;%1&#xa0;» n&apos;est pas une date.</translation>
    </message>
    <message>
        <source>The rate &apos;%1&apos; is not a rate such as 4.35.</source>
        <translation>Le taux «&#xa0;%1&#xa0;» n&apos;est pas un taux tel que 4.35.</translation>
    </message>
    <message>
        <source>The end &apos;%1&apos; is not a date.</source>
        <translation>La fin «&#xa0;%1&#xa0;» n&apos;est pas une date.</translation>
    </message>
    <message>
        <source>The margin &apos;%1&apos; is not a rate such as 4.35.</source>
        <translation>La marge «&#xa0;%1&#xa0;» n&apos;est pas un taux tel que 4.35.</translation>
    </message>
    <message>
        <source>The first change &apos;%1&apos; is not a date.</source>
        <translation>Le premier changement «&#xa0;%1&#xa0;» n&apos;est pas une date.</translation>
    </message>
    <message>
        <source>The first change cap &apos;%1&apos; is not a rate such as 4.35.</source>
        <translation>Le plafond du premier changement «&#xa0;%1&#xa0;» n&apos;est pas un taux tel que 4.35.</translation>
    </message>
    <message>
        <source>The each change cap &apos;%1&apos; is not a rate such as 4.35.</source>
        <translation>Le plafond par changement «&#xa0;%1&#xa0;» n&apos;est pas un taux tel que 4.35.</translation>
    </message>
    <message>
        <source>The life cap &apos;%1&apos; is not a rate such as 4.35.</source>
        <translation>Le plafond sur la durée «&#xa0;%1&#xa0;» n&apos;est pas un taux tel que 4.35.</translation>
    </message>
    <message>
        <source>The floor &apos;%1&apos; is not a rate such as 4.35.</source>
        <translation>Le plancher «&#xa0;%1&#xa0;» n&apos;est pas un taux tel que 4.35.</translation>
    </message>
    <message>
        <source>Under the terms: %1</source>
        <translation>Selon les conditions&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <extracomment>a reference series&apos; name, its changes&apos; total, the days the lender had to answer</extracomment>
        <translation>%1&#xa0;: %2 %3</translation>
    </message>
</context>
<context>
    <name>RecordForm</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Mettre à &amp;jour</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;ctualiser</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>First record</source>
        <translation>Premier enregistrement</translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation>Enregistrement précédent</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Enregistrement suivant</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Dernier enregistrement</translation>
    </message>
    <message>
        <source>The row not saved: %1</source>
        <translation>Ligne non enregistrée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Add Error: </source>
        <translation>Erreur d&apos;ajout&#xa0;: </translation>
    </message>
    <message>
        <source>Edit Error: </source>
        <translation>Erreur de modification&#xa0;: </translation>
    </message>
    <message>
        <source>Update Error: </source>
        <translation>Erreur de mise à jour&#xa0;: </translation>
    </message>
    <message>
        <source>Refresh Error: </source>
        <translation>Erreur d&apos;actualisation&#xa0;: </translation>
    </message>
    <message>
        <source>Move First Error: </source>
        <translation>Erreur de déplacement au premier enregistrement&#xa0;: </translation>
    </message>
    <message>
        <source>Move Last Error: </source>
        <translation>Erreur de déplacement au dernier enregistrement&#xa0;: </translation>
    </message>
    <message>
        <source>Move Next Error: </source>
        <translation>Erreur de déplacement à l&apos;enregistrement suivant&#xa0;: </translation>
    </message>
    <message>
        <source>Move Previous Error: </source>
        <translation>Erreur de déplacement à l&apos;enregistrement précédent&#xa0;: </translation>
    </message>
    <message>
        <source>Record: %1</source>
        <extracomment>The status bar&apos;s place in the rows; %1 is the row&apos;s number, empty without a row</extracomment>
        <translation>Enregistrement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Add record</source>
        <translation>Ajouter un enregistrement</translation>
    </message>
    <message>
        <source>Edit record</source>
        <translation>Modifier l&apos;enregistrement</translation>
    </message>
</context>
<context>
    <name>RecordSet</name>
    <message>
        <source>Operation is not allowed when the object is closed.</source>
        <translation>Opération non autorisée lorsque l&apos;objet est fermé.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted.</source>
        <translation>BOF ou EOF est vrai, ou l&apos;enregistrement courant a été supprimé.</translation>
    </message>
    <message>
        <source>Position %1 is out of range.</source>
        <translation>La position %1 est hors limites.</translation>
    </message>
    <message>
        <source>The bookmark is not valid.</source>
        <translation>Le signet n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Item cannot be found in the collection.</source>
        <translation>Élément introuvable dans la collection.</translation>
    </message>
    <message>
        <source>The field &apos;%1&apos; cannot be changed.</source>
        <translation>Le champ «&#xa0;%1&#xa0;» ne peut pas être modifié.</translation>
    </message>
    <message>
        <source>Type mismatch: &apos;%1&apos; is not a valid value for %2. Please enter it as %3.</source>
        <translation>Incompatibilité de type&#xa0;: «&#xa0;%1&#xa0;» n&apos;est pas une valeur valide pour %2. Veuillez la saisir au format %3.</translation>
    </message>
    <message>
        <source>Type mismatch: &apos;%1&apos; is not a valid value for %2.</source>
        <translation>Incompatibilité de type&#xa0;: «&#xa0;%1&#xa0;» n&apos;est pas une valeur valide pour %2.</translation>
    </message>
    <message>
        <source>This row cannot be saved without a %1. Type its %1, then save it again.</source>
        <translation>Cette ligne ne peut pas être enregistrée sans «&#xa0;%1&#xa0;». Saisissez «&#xa0;%1&#xa0;», puis enregistrez-la à nouveau.</translation>
    </message>
    <message>
        <source>The rows of this query cannot be changed.</source>
        <translation>Les lignes de cette requête ne peuvent pas être modifiées.</translation>
    </message>
</context>
<context>
    <name>RecordSetModel</name>
    <message>
        <source>Dates as %1</source>
        <translation>Dates au format %1</translation>
    </message>
</context>
<context>
    <name>ReferenceRendering</name>
    <message>
        <source>no rate</source>
        <translation>aucun taux</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 jusqu&apos;au %2</translation>
    </message>
    <message>
        <source>, from the first of the next month</source>
        <translation>, à partir du premier jour du mois suivant</translation>
    </message>
    <message>
        <source>, %1 days after each change</source>
        <translation>, %1 jours après chaque changement</translation>
    </message>
    <message>
        <source>stored rate periods against %1</source>
        <translation>périodes de taux enregistrées rapportées à %1</translation>
    </message>
    <message>
        <source>, %1 days allowed</source>
        <translation>, %1 jours de délai admis</translation>
    </message>
    <message>
        <source> rounded %1 to %2</source>
        <translation> arrondi %1 au pas de %2</translation>
    </message>
    <message>
        <source>first %1 until %2, then every %3 months</source>
        <translation>d&apos;abord %1 jusqu&apos;au %2, puis tous les %3 mois</translation>
    </message>
    <message>
        <source>index %1 days before</source>
        <translation>indice pris %1 jours avant</translation>
    </message>
    <message>
        <source>caps %1/%2/%3</source>
        <translation>plafonds %1/%2/%3</translation>
    </message>
    <message>
        <source>floor %1</source>
        <translation>plancher %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Reference</source>
        <extracomment>The reference rate&apos;s change date</extracomment>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Changement</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Taux</translation>
    </message>
    <message>
        <source>Lender</source>
        <extracomment>The lender&apos;s answering change date</extracomment>
        <translation>Prêteur</translation>
    </message>
    <message>
        <source>Its change</source>
        <translation>Son changement</translation>
    </message>
    <message>
        <source>Its rate</source>
        <translation>Son taux</translation>
    </message>
    <message>
        <source>Days late</source>
        <translation>Jours de retard</translation>
    </message>
    <message>
        <source>Not passed on</source>
        <translation>Non répercuté</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>never</source>
        <extracomment>The lender never answered the change</extracomment>
        <translation>jamais</translation>
    </message>
    <message>
        <source>The costs of the changes of the reference are not worked out.</source>
        <translation>Les coûts des changements de la référence ne sont pas calculés.</translation>
    </message>
    <message>
        <source>The changes of the reference not passed on in full cost nothing in interest over the history.</source>
        <translation>Les changements de la référence non répercutés intégralement n&apos;ont rien coûté en intérêts sur l&apos;historique.</translation>
    </message>
    <message>
        <source>The changes of the reference not passed on in full cost %1 in interest over the history.</source>
        <translation>Les changements de la référence non répercutés intégralement ont coûté %1 d&apos;intérêts sur l&apos;historique.</translation>
    </message>
    <message>
        <source>The changes of the reference not passed on in full saved %1 in interest over the history.</source>
        <translation>Les changements de la référence non répercutés intégralement ont fait économiser %1 d&apos;intérêts sur l&apos;historique.</translation>
    </message>
    <message>
        <source>The lender&apos;s answer to a change is looked for from the change&apos;s date to %1 days after it.</source>
        <translation>La réponse du prêteur à un changement est recherchée de la date du changement jusqu&apos;à %1 jours après.</translation>
    </message>
    <message>
        <source>The lender&apos;s answer to a change is looked for from the change&apos;s date to %1 days after its date plus the lag of %2 days.</source>
        <translation>La réponse du prêteur à un changement est recherchée de la date du changement jusqu&apos;à %1 jours après cette date augmentée du décalage de %2 jours.</translation>
    </message>
    <message>
        <source>Changes of %1 (%2) passed on</source>
        <translation>Changements de %1 (%2) répercutés</translation>
    </message>
    <message>
        <source>The series did not change within the history.</source>
        <translation>La série n&apos;a pas changé au cours de l&apos;historique.</translation>
    </message>
    <message>
        <source>Cost: the interest due under the stored rates less that with the change passed on in full from its date.</source>
        <translation>Coût&#xa0;: les intérêts dus selon les taux enregistrés, moins ceux dus si le changement avait été répercuté intégralement à partir de sa date.</translation>
    </message>
</context>
<context>
    <name>ReferenceSeries</name>
    <message>
        <source>line %1 is not a date and a rate: &apos;%2&apos;</source>
        <translation>la ligne %1 n&apos;est pas une date suivie d&apos;un taux&#xa0;: «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>the date %1 is given twice</source>
        <translation>la date %1 est indiquée deux fois</translation>
    </message>
    <message>
        <source>it holds no dates and rates</source>
        <translation>il ne contient ni dates ni taux</translation>
    </message>
    <message>
        <source>no reference series &apos;%1&apos; is shipped</source>
        <translation>aucune série de référence «&#xa0;%1&#xa0;» n&apos;est fournie</translation>
    </message>
    <message>
        <source>the series file &apos;%1&apos; does not read: %2</source>
        <translation>le fichier de série «&#xa0;%1&#xa0;» n&apos;est pas lisible&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>RepaymentCheck</name>
    <message>
        <source>The history holds no deposit to take as a repayment.</source>
        <translation>L&apos;historique ne contient aucun versement à prendre comme échéance.</translation>
    </message>
</context>
<context>
    <name>RepaymentRendering</name>
    <message>
        <source>From the first repayment</source>
        <translation>Dès la première échéance</translation>
    </message>
    <message>
        <source>After the rate change of %1</source>
        <translation>Après le changement de taux du %1</translation>
    </message>
    <message>
        <source>After the interest-only period ended on %1</source>
        <translation>Après la fin de la période d&apos;intérêts seuls le %1</translation>
    </message>
    <message>
        <source>Repayment of %1 kept after the rate change of %2</source>
        <translation>Échéance de %1 maintenue après le changement de taux du %2</translation>
    </message>
    <message>
        <source>Repayment worked out over %1 repayments where %2 remain</source>
        <translation>Échéance calculée sur %1 échéances alors qu&apos;il en reste %2</translation>
    </message>
    <message>
        <source>Repayment of %1 taken where %2 is required</source>
        <translation>Échéance de %1 prélevée alors que l&apos;échéance exigée est de %2</translation>
    </message>
    <message>
        <source>Interest only kept past the period&apos;s end on %1</source>
        <translation>Intérêts seuls maintenus après la fin de la période le %1</translation>
    </message>
    <message>
        <source>%1 the lender kept the repayment of %2 where %3 is required</source>
        <translation>%1, le prêteur a maintenu l&apos;échéance de %2 alors que l&apos;échéance exigée est de %3</translation>
    </message>
    <message>
        <source>%1 the lender worked the repayment of %2 out over %3 repayments where %4 remain, and %5 is required</source>
        <translation>%1, le prêteur a calculé l&apos;échéance de %2 sur %3 échéances alors qu&apos;il en reste %4, et l&apos;échéance exigée est de %5</translation>
    </message>
    <message>
        <source>%1 the lender took %2 where %3 is required</source>
        <translation>%1, le prêteur a prélevé %2 alors que l&apos;échéance exigée est de %3</translation>
    </message>
    <message>
        <source>%1 the lender kept taking interest only (%2) where %3 is required</source>
        <translation>%1, le prêteur a continué à ne prélever que les intérêts (%2) alors que l&apos;échéance exigée est de %3</translation>
    </message>
    <message>
        <source>: %1 short each repayment (%2 repayments)</source>
        <translation>: il manque %1 à chaque échéance (%2 échéances)</translation>
    </message>
    <message>
        <source>, leaving %1 owed at the term&apos;s end on %2</source>
        <translation>, laissant un restant dû de %1 à la fin de la durée, le %2</translation>
    </message>
    <message>
        <source>The loan is underfunded: since %1 each repayment taken is %2 short of the one its terms require</source>
        <translation>Le prêt est sous-amorti&#xa0;: depuis le %1, chaque échéance prélevée est inférieure de %2 à celle qu&apos;exigent ses conditions</translation>
    </message>
    <message>
        <source>, which would leave %1 owed at the term&apos;s end</source>
        <translation>, ce qui laisserait un restant dû de %1 à la fin de la durée</translation>
    </message>
    <message>
        <source>The repayment you set is too low to repay the mortgage by the end of its term: the mortgage is underfunded. I ask you to recalculate the repayment over the remaining term, to tell me the shortfall it has left, and to put it right without cost to me.</source>
        <translation>L&apos;échéance que vous avez fixée est trop faible pour rembourser le prêt d&apos;ici la fin de sa durée&#xa0;: le prêt est sous-amorti. Je vous demande de recalculer l&apos;échéance sur la durée restante, de m&apos;indiquer l&apos;insuffisance qui en résulte et d&apos;y remédier sans frais pour moi.</translation>
    </message>
    <message>
        <source>The lender stated a repayment of %1 at the start; the terms require %2.</source>
        <translation>Le prêteur a indiqué une échéance de %1 au départ&#xa0;; les conditions exigent %2.</translation>
    </message>
    <message>
        <source>Every repayment taken is at least the one the terms require.</source>
        <translation>Chaque échéance prélevée est au moins égale à celle qu&apos;exigent les conditions.</translation>
    </message>
    <message>
        <source>At the repayment of %1 the loan is not paid off within 60 years of the term&apos;s end.</source>
        <translation>Avec une échéance de %1, le prêt n&apos;est pas remboursé dans les 60 ans qui suivent la fin de la durée.</translation>
    </message>
    <message>
        <source>At the repayment of %1 the loan is paid off on %2, %3 months before the term ends on %4.</source>
        <translation>Avec une échéance de %1, le prêt est remboursé le %2, %3 mois avant la fin de la durée, le %4.</translation>
    </message>
    <message>
        <source>At the repayment of %1 the loan is paid off on %2, %3 months after the term ends on %4.</source>
        <translation>Avec une échéance de %1, le prêt est remboursé le %2, %3 mois après la fin de la durée, le %4.</translation>
    </message>
    <message>
        <source>Owed at the term&apos;s end: %1.</source>
        <translation>Restant dû à la fin de la durée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>With %1 more each repayment it is paid off on %2, saving %3 of interest.</source>
        <translation>Avec %1 de plus à chaque échéance, il est remboursé le %2, ce qui économise %3 d&apos;intérêts.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Taux</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Remaining</source>
        <extracomment>Repayments remaining</extracomment>
        <translation>Restantes</translation>
    </message>
    <message>
        <source>Required</source>
        <extracomment>The repayment required</extracomment>
        <translation>Requise</translation>
    </message>
    <message>
        <source>Taken</source>
        <extracomment>The repayment taken</extracomment>
        <translation>Prélevée</translation>
    </message>
    <message>
        <source>Shortfall</source>
        <translation>Insuffisance</translation>
    </message>
</context>
<context>
    <name>RepaymentTermsWindow</name>
    <message>
        <source>Balance as it went</source>
        <translation>Solde effectif</translation>
    </message>
    <message>
        <source>Balance the terms require</source>
        <translation>Solde exigé par les conditions</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Projection</translation>
    </message>
    <message>
        <source>Projection with extra</source>
        <translation>Projection avec supplément</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>Repayments</source>
        <translation>Échéances</translation>
    </message>
    <message>
        <source>Deposits</source>
        <translation>Versements</translation>
    </message>
    <message>
        <source>Payoff</source>
        <translation>Fin du prêt</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Clear T&amp;erms</source>
        <translation>Effa&amp;cer les conditions</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;First repayment:</source>
        <translation>&amp;Première échéance&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Term:</source>
        <translation>&amp;Durée&#xa0;:</translation>
    </message>
    <message>
        <source>Last repa&amp;yment:</source>
        <translation>Dernière éc&amp;héance&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Number of repayments:</source>
        <translation>&amp;Nombre d&apos;échéances&#xa0;:</translation>
    </message>
    <message>
        <source>Per cent a year of the amount lent, repaid beside the interest until the rate changes.</source>
        <translation>Pourcentage annuel du montant prêté, remboursé en plus des intérêts jusqu&apos;au changement de taux.</translation>
    </message>
    <message>
        <source>&amp;Initial repayment rate (%):</source>
        <translation>&amp;Taux d&apos;amortissement initial (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Fre&amp;quency:</source>
        <translation>Pér&amp;iodicité&#xa0;:</translation>
    </message>
    <message>
        <source>The repayment the lender stated at the start; empty: the one the formula gives.</source>
        <translation>L&apos;échéance indiquée par le prêteur au départ&#xa0;; vide&#xa0;: celle que donne la formule.</translation>
    </message>
    <message>
        <source>Repayment stated by the &amp;lender:</source>
        <translation>Échéance indi&amp;quée par le prêteur&#xa0;:</translation>
    </message>
    <message>
        <source>R&amp;ounding:</source>
        <translation>Arr&amp;ondi&#xa0;:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Interest only &amp;periods:</source>
        <translation>Périodes d&apos;intérêts seu&amp;ls&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Repayments required and taken</source>
        <translation>Échéances exigées et prélevées</translation>
    </message>
    <message>
        <source>Repayments &amp;required and taken:</source>
        <translation>Échéances e&amp;xigées et prélevées&#xa0;:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Repayment</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Deposits taken as repayments</source>
        <translation>Versements pris comme échéances</translation>
    </message>
    <message>
        <source>&amp;Deposits taken as repayments:</source>
        <translation>&amp;Versements pris comme échéances&#xa0;:</translation>
    </message>
    <message>
        <source>Untick a deposit that is no repayment (a lump sum paid in, a refund): the check then takes none for it. A tick is stored in the account at once.</source>
        <translation>Décochez un versement qui n&apos;est pas une échéance (une somme versée en une fois, un avoir)&#xa0;: la vérification n&apos;en prend alors aucune pour lui. Une coche est enregistrée immédiatement dans le compte.</translation>
    </message>
    <message>
        <source>E&amp;xtra each repayment:</source>
        <translation>&amp;Supplément par échéance&#xa0;:</translation>
    </message>
    <message>
        <source>Pro&amp;ject</source>
        <translation>Pro&amp;jeter</translation>
    </message>
    <message>
        <source>When the loan is paid off with this much more each repayment, and the interest it saves.</source>
        <translation>Date à laquelle le prêt est remboursé avec ce supplément à chaque échéance, et les intérêts ainsi économisés.</translation>
    </message>
    <message>
        <source>Balance owed</source>
        <translation>Capital restant dû</translation>
    </message>
    <message>
        <source>The number of repayments &apos;%1&apos; is not a whole number.</source>
        <translation>Le nombre d&apos;échéances «&#xa0;%1&#xa0;» n&apos;est pas un nombre entier.</translation>
    </message>
    <message>
        <source>The initial repayment rate &apos;%1&apos; is not a rate such as 2.5.</source>
        <translation>Le taux d&apos;amortissement initial «&#xa0;%1&#xa0;» n&apos;est pas un taux tel que 2.5.</translation>
    </message>
    <message>
        <source>The repayment stated by the lender &apos;%1&apos; is not an amount.</source>
        <translation>L&apos;échéance indiquée par le prêteur «&#xa0;%1&#xa0;» n&apos;est pas un montant.</translation>
    </message>
    <message>
        <source>The interest-only period in row %1 needs the day it starts and the day it ends.</source>
        <translation>La période d&apos;intérêts seuls de la ligne %1 a besoin de son jour de début et de son jour de fin.</translation>
    </message>
    <message>
        <source>The interest-only period in row %1: &apos;%2&apos; is not a date.</source>
        <translation>La période d&apos;intérêts seuls de la ligne %1&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas une date.</translation>
    </message>
    <message>
        <source>Clear the repayment terms from the account? The repayments are then not checked.</source>
        <translation>Effacer les conditions de remboursement du compte&#xa0;? Les échéances ne sont alors plus vérifiées.</translation>
    </message>
    <message>
        <source>The account&apos;s history cannot be read: the repayments are not checked.</source>
        <translation>L&apos;historique du compte ne peut pas être lu&#xa0;: les échéances ne sont pas vérifiées.</translation>
    </message>
    <message>
        <source>No repayment of the terms falls within the history.</source>
        <translation>Aucune échéance des conditions ne tombe dans l&apos;historique.</translation>
    </message>
    <message>
        <source>Taken as a repayment of the terms.</source>
        <translation>Pris comme échéance des conditions.</translation>
    </message>
    <message>
        <source>Not taken: no repayment falls due near it.</source>
        <translation>Non pris&#xa0;: aucune échéance ne tombe à proximité.</translation>
    </message>
    <message>
        <source>The extra each repayment &apos;%1&apos; is not an amount of zero or more.</source>
        <translation>Le supplément par échéance «&#xa0;%1&#xa0;» n&apos;est pas un montant égal ou supérieur à zéro.</translation>
    </message>
    <message>
        <source>The repayment terms typed are not saved. Close without saving them?</source>
        <translation>Les conditions de remboursement saisies ne sont pas enregistrées. Fermer sans les enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>Repayment Terms</source>
        <translation>Conditions de remboursement</translation>
    </message>
    <message>
        <source>Last repayment</source>
        <translation>Dernière échéance</translation>
    </message>
    <message>
        <source>Number of repayments</source>
        <translation>Nombre d&apos;échéances</translation>
    </message>
    <message>
        <source>Initial repayment rate</source>
        <translation>Taux d&apos;amortissement initial</translation>
    </message>
    <message>
        <source>Give the first repayment&apos;s date.</source>
        <translation>Indiquez la date de la première échéance.</translation>
    </message>
    <message>
        <source>The first repayment &apos;%1&apos; is not a date.</source>
        <translation>La première échéance «&#xa0;%1&#xa0;» n&apos;est pas une date.</translation>
    </message>
    <message>
        <source>Give the last repayment&apos;s date.</source>
        <translation>Indiquez la date de la dernière échéance.</translation>
    </message>
    <message>
        <source>The last repayment &apos;%1&apos; is not a date.</source>
        <translation>La dernière échéance «&#xa0;%1&#xa0;» n&apos;est pas une date.</translation>
    </message>
    <message>
        <source>Give the number of repayments.</source>
        <translation>Indiquez le nombre d&apos;échéances.</translation>
    </message>
    <message>
        <source>Give the initial repayment rate.</source>
        <translation>Indiquez le taux d&apos;amortissement initial.</translation>
    </message>
    <message>
        <source>The repayment terms could not be stored: %1</source>
        <translation>Les conditions de remboursement n&apos;ont pas pu être enregistrées&#xa0;: %1</translation>
    </message>
    <message>
        <source>No repayment terms are kept for this account.</source>
        <translation>Aucune condition de remboursement n&apos;est conservée pour ce compte.</translation>
    </message>
    <message>
        <source>Every repayment taken is at least the one the terms require.</source>
        <translation>Chaque échéance prélevée est au moins égale à celle qu&apos;exigent les conditions.</translation>
    </message>
</context>
<context>
    <name>Repayments</name>
    <message>
        <source>The first repayment&apos;s date is not a date the program can work with.</source>
        <translation>La date de la première échéance n&apos;est pas une date que le programme peut traiter.</translation>
    </message>
    <message>
        <source>The last repayment must fall on or after the first.</source>
        <translation>La dernière échéance doit tomber le même jour que la première ou après.</translation>
    </message>
    <message>
        <source>A term runs to %1 repayments at most.</source>
        <translation>Une durée compte au plus %1 échéances.</translation>
    </message>
    <message>
        <source>The number of repayments must be from 1 to %1.</source>
        <translation>Le nombre d&apos;échéances doit être compris entre 1 et %1.</translation>
    </message>
    <message>
        <source>The initial repayment rate must be above 0 and at most 100 per cent.</source>
        <translation>Le taux d&apos;amortissement initial doit être supérieur à 0 et d&apos;au plus 100 pour cent.</translation>
    </message>
    <message>
        <source>An interest-only period must end on or after the day it starts.</source>
        <translation>Une période d&apos;intérêts seuls doit se terminer le jour où elle commence ou après.</translation>
    </message>
    <message>
        <source>Two interest-only periods overlap.</source>
        <translation>Deux périodes d&apos;intérêts seuls se chevauchent.</translation>
    </message>
    <message>
        <source>The repayment the lender stated must be above zero.</source>
        <translation>L&apos;échéance indiquée par le prêteur doit être supérieure à zéro.</translation>
    </message>
    <message>
        <source>The repayment required is the level repayment that repays the balance over the repayments left: balance × i ÷ (1 − (1 + i)^−n), where i is the rate a year ÷ the repayments a year (under half-yearly compounding, (1 + rate ÷ 2)^(2 ÷ repayments a year) − 1) and n the repayments dated after the day. It is worked out at the first repayment, after each change of the rate, and when a period of interest only ends, on the balance after that day&apos;s rows, and rounded as the lender rounds. While interest only, it is the period&apos;s interest due. Under an initial repayment rate it is (rate + initial repayment rate) × the amount ÷ the repayments a year, until the rate changes.</source>
        <translation>L&apos;échéance exigée est l&apos;échéance constante qui rembourse le solde sur les échéances restantes&#xa0;: solde × i ÷ (1 − (1 + i)^−n), où i est le taux annuel ÷ le nombre d&apos;échéances par an (en capitalisation semestrielle, (1 + taux ÷ 2)^(2 ÷ échéances par an) − 1) et n le nombre d&apos;échéances datées après le jour. Elle est calculée à la première échéance, après chaque changement de taux et à la fin d&apos;une période d&apos;intérêts seuls, sur le solde après les lignes de ce jour, et arrondie comme le prêteur arrondit. Pendant une période d&apos;intérêts seuls, elle est égale aux intérêts dus de la période. Avec un taux d&apos;amortissement initial, elle vaut (taux + taux d&apos;amortissement initial) × le montant ÷ le nombre d&apos;échéances par an, jusqu&apos;au changement de taux.</translation>
    </message>
    <message>
        <source>The repayment terms kept in the account cannot be read; the account is checked without them.</source>
        <translation>Les conditions de remboursement conservées dans le compte ne peuvent pas être lues&#xa0;; le compte est vérifié sans elles.</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>Fortnightly</source>
        <translation>Toutes les deux semaines</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>To the nearest cent</source>
        <translation>Au centime le plus proche</translation>
    </message>
    <message>
        <source>Up to the cent</source>
        <translation>Au centime supérieur</translation>
    </message>
    <message>
        <source>Up to the dollar</source>
        <translation>À l&apos;unité supérieure</translation>
    </message>
</context>
<context>
    <name>ReportLine</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Govt Chge</source>
        <translation>Taxes</translation>
    </message>
    <message>
        <source>Bank Chge</source>
        <translation>Frais banc.</translation>
    </message>
    <message>
        <source>W&apos;drawal</source>
        <translation>Retrait</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Versement</translation>
    </message>
    <message>
        <source>Int Charge</source>
        <translation>Int. débités</translation>
    </message>
    <message>
        <source>Int Due</source>
        <extracomment>Interest due, as the calculation gives it.</extracomment>
        <translation>Int. dus</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Compensation</translation>
    </message>
</context>
<context>
    <name>ReportPreparation</name>
    <message>
        <source>Statement(s) prior to</source>
        <translation>Relevé(s) antérieur(s) au relevé</translation>
    </message>
    <message>
        <source>Statement number</source>
        <translation>Relevé numéro</translation>
    </message>
    <message>
        <source>has not been entered. Calculated Interest Due for this period will not be accurate.</source>
        <translation>n&apos;a pas été saisi. Les intérêts dus calculés pour cette période ne seront pas exacts.</translation>
    </message>
    <message>
        <source>Some statements have not been entered. Calculated Interest Due for these periods will not be accurate.</source>
        <translation>Certains relevés n&apos;ont pas été saisis. Les intérêts dus calculés pour ces périodes ne seront pas exacts.</translation>
    </message>
    <message>
        <source>The statement number &apos;%1&apos; is not a number.</source>
        <translation>Le numéro de relevé «&#xa0;%1&#xa0;» n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The statement&apos;s start date or opening balance cannot be read.</source>
        <translation>La date de début ou le solde initial du relevé ne peut pas être lu.</translation>
    </message>
    <message>
        <source>No transactions have been entered. Report cannot be generated.</source>
        <translation>Aucune opération n&apos;a été saisie. Le rapport ne peut pas être généré.</translation>
    </message>
</context>
<context>
    <name>SetCheck</name>
    <message>
        <source>The account file &apos;%1&apos; is missing.</source>
        <translation>Le fichier de compte «&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <source>no working copy can be made</source>
        <translation>aucune copie de travail ne peut être faite</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an account that can be read: %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un compte lisible&#xa0;: %2</translation>
    </message>
    <message>
        <source>No method is chosen for the part: check it alone, or give one for the whole set.</source>
        <translation>Aucune méthode n&apos;est choisie pour la ligne&#xa0;: vérifiez-la seule, ou indiquez-en une pour tout le montage.</translation>
    </message>
    <message>
        <source>The account has no calculation day for its fixed-day method.</source>
        <translation>Le compte n&apos;a pas de jour de calcul pour sa méthode à jour fixe.</translation>
    </message>
    <message>
        <source>Its sums leave the range of amounts.</source>
        <translation>Ses sommes sortent de la plage des montants.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Charged</source>
        <translation>Débité</translation>
    </message>
    <message>
        <source>Due</source>
        <extracomment>Interest due</extracomment>
        <translation>Dû</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Offset saved</source>
        <translation>Économie due à la compensation</translation>
    </message>
    <message>
        <source>Fixed until</source>
        <translation>Fixe jusqu&apos;au</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Taux</translation>
    </message>
    <message>
        <source>Owed</source>
        <translation>Dû</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>No part of the loan set could be checked.</source>
        <translation>Aucune ligne du montage de prêt n&apos;a pu être vérifiée.</translation>
    </message>
    <message>
        <source>Across its %1 parts your lender charged the interest these figures give.</source>
        <translation>Sur ses %1 lignes, votre prêteur a débité les intérêts que donnent ces chiffres.</translation>
    </message>
    <message>
        <source>the offset of &quot;%1&quot; linked to &quot;%2&quot;</source>
        <translation>du compte de compensation de «&#xa0;%1&#xa0;» lié à «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>the offset of &quot;%1&quot; linked to no part</source>
        <translation>du compte de compensation de «&#xa0;%1&#xa0;» lié à aucune ligne</translation>
    </message>
    <message>
        <source>Loan set: %1</source>
        <translation>Montage de prêt&#xa0;: %1</translation>
    </message>
    <message>
        <source>By calendar year (charged less due)</source>
        <translation>Par année civile (débité moins dû)</translation>
    </message>
    <message>
        <source>Rate weighted by the balances owed: %1 %</source>
        <translation>Taux pondéré par les soldes dus&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>The offset accounts across the parts</source>
        <translation>Les comptes de compensation des différentes lignes</translation>
    </message>
    <message>
        <source>No offset account was found linked to another part.</source>
        <translation>Aucun compte de compensation lié à une autre ligne n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>Across its %1 parts your lender charged %2 more interest than these figures give.</source>
        <translation>Sur ses %1 lignes, votre prêteur a débité %2 d&apos;intérêts de plus que ce que donnent ces chiffres.</translation>
    </message>
    <message>
        <source>Across its %1 parts your lender charged %2 less interest than these figures give.</source>
        <translation>Sur ses %1 lignes, votre prêteur a débité %2 d&apos;intérêts de moins que ce que donnent ces chiffres.</translation>
    </message>
    <message>
        <source>From %1 to %2 (%3 postings) the charges equal exactly those of %4: %5 less than due.</source>
        <translation>Du %1 au %2 (%3 débits d&apos;intérêts), les débits sont exactement ceux %4&#xa0;: %5 de moins que les intérêts dus.</translation>
    </message>
    <message>
        <source>From %1 to %2 (%3 postings) the charges equal exactly those of %4: %5 more than due.</source>
        <translation>Du %1 au %2 (%3 débits d&apos;intérêts), les débits sont exactement ceux %4&#xa0;: %5 de plus que les intérêts dus.</translation>
    </message>
</context>
<context>
    <name>SetComplaint</name>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no part of the loan set could be checked</source>
        <translation>aucune ligne du montage de prêt n&apos;a pu être vérifiée</translation>
    </message>
    <message>
        <source>no part of the loan was charged more than its interest due, no repayment falls short of its terms and no offset account was linked to the wrong part: there is nothing to complain of</source>
        <translation>aucune ligne du prêt n&apos;a été débitée de plus que ses intérêts dus, aucune échéance n&apos;est inférieure à celle qu&apos;exigent ses conditions et aucun compte de compensation n&apos;a été lié à la mauvaise ligne&#xa0;: il n&apos;y a rien à contester</translation>
    </message>
    <message>
        <source>No letter is written: %1.</source>
        <translation>Aucune lettre n&apos;est rédigée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No evidence is written: %1.</source>
        <translation>Aucune pièce justificative n&apos;est rédigée&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>SetSummaryWindow</name>
    <message>
        <source>P&amp;arts</source>
        <translation>Li&amp;gnes</translation>
    </message>
    <message>
        <source>By calendar &amp;year</source>
        <translation>Par année &amp;civile</translation>
    </message>
    <message>
        <source>Part</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Charged</source>
        <translation>Débité</translation>
    </message>
    <message>
        <source>Due</source>
        <extracomment>The interest due, as the calculation gives it.</extracomment>
        <translation>Dû</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Offset saved</source>
        <translation>Économie due à la compensation</translation>
    </message>
    <message>
        <source>Fixed until</source>
        <translation>Fixe jusqu&apos;au</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Taux</translation>
    </message>
    <message>
        <source>Owed</source>
        <extracomment>The balance the part still owes.</extracomment>
        <translation>Restant dû</translation>
    </message>
    <message>
        <source>Parts</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>By calendar year</source>
        <translation>Par année civile</translation>
    </message>
    <message>
        <source>Balance owed by part</source>
        <translation>Capital restant dû par ligne</translation>
    </message>
    <message>
        <source>&amp;Show Part</source>
        <translation>Afficher la &amp;ligne</translation>
    </message>
    <message>
        <source>The selected part&apos;s own summary: its years, its largest differences and what explains them.</source>
        <translation>La synthèse propre de la ligne sélectionnée&#xa0;: ses années, ses plus grands écarts et ce qui les explique.</translation>
    </message>
    <message>
        <source>&amp;Edit Set...</source>
        <translation>&amp;Modifier le montage...</translation>
    </message>
    <message>
        <source>Prepare a Com&amp;plaint...</source>
        <translation>Préparer une &amp;réclamation...</translation>
    </message>
    <message>
        <source>One letter to the lender raising each part&apos;s findings, and one evidence pack behind it.</source>
        <translation>Une seule lettre au prêteur exposant les constats de chaque ligne, et un seul dossier de pièces justificatives à l&apos;appui.</translation>
    </message>
    <message>
        <source>Copy as Text</source>
        <translation>Copier en texte</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>The loan set &apos;%1&apos; cannot be read: %2</source>
        <translation>Le montage de prêt «&#xa0;%1&#xa0;» ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>Balance-weighted rate: %1 %</source>
        <translation>Taux pondéré par les soldes&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Balance-weighted rate: none (nothing owed)</source>
        <translation>Taux pondéré par les soldes&#xa0;: aucun (rien n&apos;est dû)</translation>
    </message>
    <message>
        <source>%1, made %2</source>
        <translation>%1, créé le %2</translation>
    </message>
    <message>
        <source>The loan set cannot be edited here.</source>
        <translation>Le montage de prêt ne peut pas être modifié ici.</translation>
    </message>
    <message>
        <source>No letter is written: %1.</source>
        <translation>Aucune lettre n&apos;est rédigée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>It says &quot;%1&quot; in place of %2: fill it in before it is sent.</source>
        <translation>Il est écrit «&#xa0;%1&#xa0;» à la place de %2&#xa0;: complétez-le avant l&apos;envoi.</translation>
    </message>
    <message>
        <source>The letter is in %1 and the evidence in %2. Read the letter through, sign it and send both to your lender.</source>
        <translation>La lettre se trouve dans %1 et les pièces justificatives dans %2. Relisez la lettre, signez-la et envoyez les deux à votre prêteur.</translation>
    </message>
    <message>
        <source>Loan Set Summary</source>
        <translation>Synthèse du montage de prêt</translation>
    </message>
    <message>
        <source>The complaint cannot be prepared: %1</source>
        <translation>La réclamation ne peut pas être préparée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SplitRoad</name>
    <message>
        <source>The Bank&apos;s File of &quot;%1&quot;</source>
        <translation>Le fichier de la banque de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Bank files</source>
        <extracomment>The kind of file a file dialog lists: the bank&apos;s exports</extracomment>
        <translation>Fichiers de la banque</translation>
    </message>
    <message>
        <source>Name of the loan set:</source>
        <translation>Nom du montage de prêt&#xa0;:</translation>
    </message>
    <message>
        <source>Name of part %1 of the loan:</source>
        <translation>Nom de la ligne %1 du prêt&#xa0;:</translation>
    </message>
    <message>
        <source>Does the loan have another part?</source>
        <translation>Le prêt a-t-il une autre ligne&#xa0;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2

Import this file all the same?</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: %2

Importer ce fichier malgré tout&#xa0;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be made from %2: %3</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être créé à partir de %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>The parts&apos; accounts are kept: %1</source>
        <translation>Les comptes des lignes sont conservés&#xa0;: %1</translation>
    </message>
    <message>
        <source>The set holds the parts made; add the others in its window.</source>
        <translation>Le montage contient les lignes créées&#xa0;; ajoutez les autres dans sa fenêtre.</translation>
    </message>
</context>
<context>
    <name>StatementFile</name>
    <message>
        <source>The file %1 is %2 MB; a statement file may be at most %3 MB. Download a shorter period from the bank.</source>
        <translation>Le fichier %1 fait %2 Mo&#xa0;; un fichier de relevé peut faire au plus %3 Mo. Téléchargez une période plus courte auprès de la banque.</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Le fichier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Le fichier %1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file (it is a folder, a device or a pipe): it cannot be a bank&apos;s statement file.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire (c&apos;est un dossier, un périphérique ou un tube)&#xa0;: ce ne peut pas être un fichier de relevé de la banque.</translation>
    </message>
    <message>
        <source>The file %1 is empty.</source>
        <translation>Le fichier %1 est vide.</translation>
    </message>
    <message>
        <source>The file %1 is not a text file: it cannot be a bank&apos;s CSV or QIF file.</source>
        <translation>Le fichier %1 n&apos;est pas un fichier texte&#xa0;: ce ne peut pas être un fichier CSV ou QIF de la banque.</translation>
    </message>
    <message>
        <source>The file %1 has %2 lines; a statement file may have at most %3 lines. Download a shorter period from the bank.</source>
        <translation>Le fichier %1 compte %2 lignes&#xa0;; un fichier de relevé peut compter au plus %3 lignes. Téléchargez une période plus courte auprès de la banque.</translation>
    </message>
    <message>
        <source>Bank statements|*.csv *.ofx *.qfx *.qif *.txt *.xml *.sta *.940 *.mt940</source>
        <extracomment>The file dialog&apos;s filter: keep the | and the patterns after it.</extracomment>
        <translation>Relevés bancaires|*.csv *.ofx *.qfx *.qif *.txt *.xml *.sta *.940 *.mt940</translation>
    </message>
</context>
<context>
    <name>StatementHeader</name>
    <message>
        <source>The statement&apos;s %1 &quot;%2&quot; does not read.</source>
        <translation>Impossible de lire %1 du relevé&#xa0;: «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>start date</source>
        <translation>la date de début</translation>
    </message>
    <message>
        <source>end date</source>
        <translation>la date de fin</translation>
    </message>
    <message>
        <source>opening balance</source>
        <translation>le solde initial</translation>
    </message>
    <message>
        <source>closing balance</source>
        <translation>le solde final</translation>
    </message>
</context>
<context>
    <name>SummaryPage</name>
    <message>
        <source>Running total of charged - due</source>
        <translation>Total cumulé débité - dû</translation>
    </message>
    <message>
        <source>No posting to compare.</source>
        <translation>Aucun débit d&apos;intérêts à comparer.</translation>
    </message>
    <message>
        <source>By calendar year</source>
        <translation>Par année civile</translation>
    </message>
    <message>
        <source>Interest charged and interest due</source>
        <translation>Intérêts débités et intérêts dus</translation>
    </message>
    <message>
        <source>The report&apos;s interest adds up to more than an amount can hold: no summary.</source>
        <translation>Les intérêts du rapport totalisent plus qu&apos;un montant ne peut contenir&#xa0;: pas de synthèse.</translation>
    </message>
    <message>
        <source>What explains them</source>
        <translation>Ce qui les explique</translation>
    </message>
    <message>
        <source>%1 more in the summary window and the report tool.</source>
        <translation>%1 autres explications dans la fenêtre de synthèse et dans l&apos;outil de rapport.</translation>
    </message>
</context>
<context>
    <name>SummaryRendering</name>
    <message>
        <source>%1 month</source>
        <translation>%1 mois</translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation>%1 mois</translation>
    </message>
    <message>
        <source>%1 posting</source>
        <translation>%1 débit d&apos;intérêts</translation>
    </message>
    <message>
        <source>%1 postings</source>
        <translation>%1 débits d&apos;intérêts</translation>
    </message>
    <message>
        <source>%1 year</source>
        <translation>%1 an</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 ans</translation>
    </message>
    <message>
        <source>more in %1 and less in %2 of %3</source>
        <translation>en plus pour %1 et en moins pour %2 des %3</translation>
    </message>
    <message>
        <source>more in %1 of %2</source>
        <translation>en plus pour %1 des %2</translation>
    </message>
    <message>
        <source>less in %1 of %2</source>
        <translation>en moins pour %1 des %2</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>sur %1</translation>
    </message>
    <message>
        <source>The report has no interest charged or due to compare</source>
        <translation>Le rapport ne contient aucun intérêt débité ou dû à comparer</translation>
    </message>
    <message>
        <source>Over %1 your lender charged %2 more interest than these figures give, %3</source>
        <translation>Sur %1, votre prêteur a débité %2 d&apos;intérêts de plus que ce que donnent ces chiffres, %3</translation>
    </message>
    <message>
        <source>Over %1 your lender charged %2 less interest than these figures give, %3</source>
        <translation>Sur %1, votre prêteur a débité %2 d&apos;intérêts de moins que ce que donnent ces chiffres, %3</translation>
    </message>
    <message>
        <source>Over %1 your lender charged the interest these figures give</source>
        <translation>Sur %1, votre prêteur a débité les intérêts que donnent ces chiffres</translation>
    </message>
    <message>
        <source>Over %1 your lender charged the interest these figures give, in all %2 months</source>
        <translation>Sur %1, votre prêteur a débité les intérêts que donnent ces chiffres, pour chacun des %2 mois</translation>
    </message>
    <message>
        <source>Over %1 your lender charged in total the interest these figures give, though %2</source>
        <translation>Sur %1, votre prêteur a débité au total les intérêts que donnent ces chiffres, mais %2</translation>
    </message>
    <message>
        <source>Each charge of the lender is compared with the interest due posted on
its date; amounts are added up as the report shows them, to the cent.</source>
        <translation>Chaque débit du prêteur est comparé aux intérêts dus comptabilisés à
sa date&#xa0;; les montants sont cumulés tels que le rapport les affiche, au centime près.</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Charged</source>
        <translation>Débité</translation>
    </message>
    <message>
        <source>Due</source>
        <extracomment>Interest due</extracomment>
        <translation>Dû</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Total of every posting</source>
        <translation>Total de tous les débits d&apos;intérêts</translation>
    </message>
    <message>
        <source>Total compared</source>
        <translation>Total comparé</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Rate entered</source>
        <translation>Taux saisi</translation>
    </message>
    <message>
        <source>Effective rate</source>
        <translation>Taux effectif</translation>
    </message>
    <message>
        <source>No posting that can be compared has a lender&apos;s charge to find the effective rate of.</source>
        <translation>Aucun débit d&apos;intérêts comparable ne comporte de débit du prêteur permettant d&apos;en trouver le taux effectif.</translation>
    </message>
    <message>
        <source>In every one of %1 the lender charged the interest due or effectively a rate within %2 percentage points of the rates entered for the period.</source>
        <translation>Pour chacun des %1, le prêteur a débité les intérêts dus ou, en fait, un taux à moins de %2 points de pourcentage des taux saisis pour la période.</translation>
    </message>
    <message>
        <source>In %1 of %2 the lender effectively charged a rate %3 percentage points or more from every rate entered for the period: look there first.</source>
        <translation>Pour %1 des %2, le prêteur a en fait débité un taux s&apos;écartant d&apos;au moins %3 points de pourcentage de chacun des taux saisis pour la période&#xa0;: examinez-les en premier.</translation>
    </message>
    <message>
        <source>a missing statement (%1)</source>
        <translation>un relevé manquant (%1)</translation>
    </message>
    <message>
        <source>statements missing before it</source>
        <translation>des relevés manquants auparavant</translation>
    </message>
    <message>
        <source>a history that starts part-way through the lender&apos;s period</source>
        <translation>un historique qui commence en cours de période du prêteur</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>, not counting %1 whose period is incomplete: %2</source>
        <translation>, sans compter %1 dont la période est incomplète&#xa0;: %2</translation>
    </message>
    <message>
        <source>Method: none; the transactions alone, no interest calculated.</source>
        <translation>Méthode&#xa0;: aucune&#xa0;; les opérations seules, sans calcul d&apos;intérêts.</translation>
    </message>
    <message>
        <source>Method: %1, interest periods ending on day %2 of each month.</source>
        <translation>Méthode&#xa0;: %1, périodes d&apos;intérêts se terminant le jour %2 de chaque mois.</translation>
    </message>
    <message>
        <source>Method: %1.</source>
        <translation>Méthode&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Conventions: %1.</source>
        <translation>Conventions&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Interest charged:</source>
        <translation>Intérêts débités&#xa0;:</translation>
    </message>
    <message>
        <source>Interest due:</source>
        <translation>Intérêts dus&#xa0;:</translation>
    </message>
    <message>
        <source>Charged - due:</source>
        <translation>Débité - dû&#xa0;:</translation>
    </message>
    <message>
        <source>Over-charged (%1):</source>
        <translation>Débité en trop (%1)&#xa0;:</translation>
    </message>
    <message>
        <source>Under-charged (%1):</source>
        <translation>Débité en moins (%1)&#xa0;:</translation>
    </message>
    <message>
        <source>Charges without a posting (%1):</source>
        <translation>Débits du prêteur sans débit calculé (%1)&#xa0;:</translation>
    </message>
    <message>
        <source>Postings without a charge (%1):</source>
        <translation>Débits calculés sans débit du prêteur (%1)&#xa0;:</translation>
    </message>
    <message>
        <source>Incomplete periods (%1):</source>
        <translation>Périodes incomplètes (%1)&#xa0;:</translation>
    </message>
    <message>
        <source>Interest charged and interest due</source>
        <translation>Intérêts débités et intérêts dus</translation>
    </message>
    <message>
        <source>Account: %1</source>
        <translation>Compte&#xa0;: %1</translation>
    </message>
    <message>
        <source>Incomplete periods (not counted above)</source>
        <translation>Périodes incomplètes (non comptées ci-dessus)</translation>
    </message>
    <message>
        <source>Largest differences</source>
        <translation>Plus grands écarts</translation>
    </message>
    <message>
        <source>None: every posting agrees.</source>
        <translation>Aucun&#xa0;: chaque débit d&apos;intérêts concorde.</translation>
    </message>
    <message>
        <source>By calendar year</source>
        <translation>Par année civile</translation>
    </message>
    <message>
        <source>Charges without an interest posting on their date</source>
        <translation>Débits du prêteur sans débit d&apos;intérêts calculé à leur date</translation>
    </message>
    <message>
        <source>Interest postings without a charge on their date</source>
        <translation>Débits d&apos;intérêts calculés sans débit du prêteur à leur date</translation>
    </message>
    <message>
        <source>* holds a posting whose period is incomplete (in the totals, not in the comparison).</source>
        <translation>* contient un débit d&apos;intérêts dont la période est incomplète (compris dans les totaux, pas dans la comparaison).</translation>
    </message>
</context>
<context>
    <name>SummaryWindow</name>
    <message>
        <source>By calendar year</source>
        <translation>Par année civile</translation>
    </message>
    <message>
        <source>Largest differences</source>
        <translation>Plus grands écarts</translation>
    </message>
    <message>
        <source>Charges without a posting and postings without a charge</source>
        <translation>Débits du prêteur sans débit calculé et débits calculés sans débit du prêteur</translation>
    </message>
    <message>
        <source>Not paired</source>
        <translation>Non apparié</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Charged</source>
        <translation>Débité</translation>
    </message>
    <message>
        <source>Due</source>
        <extracomment>The interest due, as the calculation gives it.</extracomment>
        <translation>Dû</translation>
    </message>
    <message>
        <source>Running total of charged - due</source>
        <translation>Total cumulé débité - dû</translation>
    </message>
    <message>
        <source>Interest charged and due by year</source>
        <translation>Intérêts débités et dus par année</translation>
    </message>
    <message>
        <source>Prepare a Com&amp;plaint...</source>
        <translation>Préparer une &amp;réclamation...</translation>
    </message>
    <message>
        <source>A letter to the lender raising the postings it overcharged, and the evidence behind it.</source>
        <translation>Une lettre au prêteur contestant les débits d&apos;intérêts trop élevés, et les pièces justificatives à l&apos;appui.</translation>
    </message>
    <message>
        <source>Copy as Text</source>
        <translation>Copier en texte</translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation>Afficher le &amp;détail</translation>
    </message>
    <message>
        <source>Every day behind the largest difference selected. Tick a difference to print its working after the report.</source>
        <translation>Tous les jours à l&apos;origine du plus grand écart sélectionné. Cochez un écart pour imprimer le détail de son calcul après le rapport.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Changes of the reference passed on</source>
        <translation>Changements de la référence répercutés</translation>
    </message>
    <message>
        <source>What explains them</source>
        <translation>Ce qui les explique</translation>
    </message>
    <message>
        <source>Show Working of the E&amp;xplanation</source>
        <translation>Afficher le détail de l&apos;e&amp;xplication</translation>
    </message>
    <message>
        <source>Every posting of the explanation&apos;s span in Show Working: the days as due beside the days as the lender worked them, and the lender&apos;s own charges.</source>
        <translation>Chaque débit d&apos;intérêts de la période de l&apos;explication dans Afficher le détail&#xa0;: les jours tels qu&apos;ils sont dus à côté des jours tels que le prêteur les a calculés, et les débits du prêteur lui-même.</translation>
    </message>
    <message>
        <source>Changes of %1 passed on</source>
        <translation>Changements de %1 répercutés</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>Ticked: the printed report ends with this posting&apos;s working.</source>
        <translation>Coché&#xa0;: le rapport imprimé se termine par le détail du calcul de ce débit d&apos;intérêts.</translation>
    </message>
    <message>
        <source>Charged - due, added up</source>
        <translation>Débité - dû, cumulé</translation>
    </message>
    <message>
        <source>Charged - due, added up over every posting</source>
        <translation>Débité - dû, cumulé sur tous les débits d&apos;intérêts</translation>
    </message>
    <message>
        <source>%1
Charged: %2
Due: %3
Difference: %4
Running total: %5</source>
        <translation>%1
Débité&#xa0;: %2
Dû&#xa0;: %3
Écart&#xa0;: %4
Total cumulé&#xa0;: %5</translation>
    </message>
    <message>
        <source>%1
Charged: %2
Due: %3
Difference: %4</source>
        <translation>%1
Débité&#xa0;: %2
Dû&#xa0;: %3
Écart&#xa0;: %4</translation>
    </message>
    <message>
        <source>Print in the report window prints the report or saves it as PDF.</source>
        <translation>Le bouton Imprimer de la fenêtre du rapport imprime le rapport ou l&apos;enregistre en PDF.</translation>
    </message>
    <message>
        <source> The printed report ends with the working of the posting ticked.</source>
        <translation> Le rapport imprimé se termine par le détail du calcul du débit d&apos;intérêts coché.</translation>
    </message>
    <message>
        <source> The printed report ends with the working of the %1 postings ticked.</source>
        <translation> Le rapport imprimé se termine par le détail du calcul des %1 débits d&apos;intérêts cochés.</translation>
    </message>
    <message>
        <source> Tick a difference to end the printed report with its working.</source>
        <translation> Cochez un écart pour terminer le rapport imprimé par le détail de son calcul.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Synthèse</translation>
    </message>
    <message>
        <source>The report&apos;s interest adds up to more than an amount can hold: no summary.</source>
        <translation>Les intérêts du rapport totalisent plus qu&apos;un montant ne peut contenir&#xa0;: pas de synthèse.</translation>
    </message>
    <message>
        <source>Next: Show Working opens every day behind the largest difference. %1</source>
        <translation>Ensuite&#xa0;: Afficher le détail ouvre tous les jours à l&apos;origine du plus grand écart. %1</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>Ensuite&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TermsCheck</name>
    <message>
        <source>The account holds no rate terms: enter them in Lender, Rate Terms.</source>
        <translation>Le compte ne contient aucune condition de taux&#xa0;: saisissez-les dans Prêteur, Conditions de taux.</translation>
    </message>
    <message>
        <source>The rate terms do not owe a rate on every day of the history: the report runs under the stored rate periods.</source>
        <translation>Les conditions de taux ne donnent pas de taux dû pour chaque jour de l&apos;historique&#xa0;: le rapport utilise les périodes de taux enregistrées.</translation>
    </message>
    <message>
        <source>The interest due is worked out under the rates the loan&apos;s terms owe, not the stored rate periods.</source>
        <translation>Les intérêts dus sont calculés selon les taux dus d&apos;après les conditions du prêt, et non selon les périodes de taux enregistrées.</translation>
    </message>
</context>
<context>
    <name>TermsStore</name>
    <message>
        <source>The series rate with ID %1 does not read and is left out.</source>
        <translation>Le taux de série d&apos;ID %1 n&apos;est pas lisible et est écarté.</translation>
    </message>
    <message>
        <source>The rate terms with ID %1 do not read and are left out.</source>
        <translation>Les conditions de taux d&apos;ID %1 ne sont pas lisibles et sont écartées.</translation>
    </message>
</context>
<context>
    <name>TransactionGuard</name>
    <message>
        <source>No transaction is open.</source>
        <translation>Aucune transaction n&apos;est ouverte.</translation>
    </message>
</context>
<context>
    <name>WorkingPage</name>
    <message>
        <source>%1 (continued)</source>
        <translation>%1 (suite)</translation>
    </message>
    <message>
        <source>Vantrell: %1</source>
        <translation>Vantrell&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: page %2 of %3</source>
        <translation>%1&#xa0;: page %2 sur %3</translation>
    </message>
    <message>
        <source>The page has no room to print on.</source>
        <translation>La page n&apos;offre aucune surface imprimable.</translation>
    </message>
    <message>
        <source>The working could not be sent to the printer or file.</source>
        <translation>Le détail du calcul n&apos;a pas pu être envoyé à l&apos;imprimante ou au fichier.</translation>
    </message>
    <message>
        <source>The printer or file took no further page.</source>
        <translation>L&apos;imprimante ou le fichier n&apos;a accepté aucune page supplémentaire.</translation>
    </message>
    <message>
        <source>The working could not be finished on the printer or file.</source>
        <translation>Le détail du calcul n&apos;a pas pu être terminé sur l&apos;imprimante ou dans le fichier.</translation>
    </message>
</context>
<context>
    <name>WorkingRendering</name>
    <message>
        <source>No: a balance row reset the balance within the period (statements are missing before it)</source>
        <translation>Non&#xa0;: une ligne de solde a réinitialisé le solde au cours de la période (des relevés manquent avant elle)</translation>
    </message>
    <message>
        <source>No: the history starts part-way through the lender&apos;s period</source>
        <translation>Non&#xa0;: l&apos;historique commence en cours de période du prêteur</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Period: no day accrued interest.</source>
        <translation>Période&#xa0;: aucun jour n&apos;a produit d&apos;intérêts.</translation>
    </message>
    <message>
        <source>Period: %1 to %2, %3 day</source>
        <translation>Période&#xa0;: du %1 au %2, %3 jour</translation>
    </message>
    <message>
        <source>Period: %1 to %2, %3 days</source>
        <translation>Période&#xa0;: du %1 au %2, %3 jours</translation>
    </message>
    <message>
        <source> bearing %1 day of interest</source>
        <translation> portant %1 jour d&apos;intérêts</translation>
    </message>
    <message>
        <source> bearing %1 days of interest</source>
        <translation> portant %1 jours d&apos;intérêts</translation>
    </message>
    <message>
        <source>Rest: the posting period. The balance on its first day is held for the period (Held balance).</source>
        <extracomment>&quot;Rest&quot;: the interest rest, the balance held for a block of days</extracomment>
        <translation>Solde de calcul&#xa0;: la période du débit d&apos;intérêts. Le solde de son premier jour est retenu pour toute la période (Solde retenu).</translation>
    </message>
    <message>
        <source>Rest: %1. The balance on the first day of each block is held for the block (Held balance).</source>
        <extracomment>&quot;Rest&quot;: the interest rest; %1 is its length</extracomment>
        <translation>Solde de calcul&#xa0;: %1. Le solde du premier jour de chaque bloc est retenu pour tout le bloc (Solde retenu).</translation>
    </message>
    <message>
        <source>Equal periods: each posting period is 1/%1 of a year; each of its days bears 1/(%1 × its days) of the yearly rate (Part of a year).</source>
        <translation>Périodes égales&#xa0;: chaque période du débit d&apos;intérêts représente 1/%1 d&apos;année&#xa0;; chacun de ses jours porte 1/(%1 × ses jours) du taux annuel (Fraction d&apos;année).</translation>
    </message>
    <message>
        <source>Compounding: each day bears the nominal rate over %1 periods a year equivalent to the rate entered compounded half-yearly.</source>
        <translation>Capitalisation&#xa0;: chaque jour porte le taux nominal sur %1 périodes par an équivalent au taux saisi capitalisé semestriellement.</translation>
    </message>
    <message>
        <source>%1 % for %2 % entered</source>
        <translation>%1&#xa0;% pour %2&#xa0;% saisi</translation>
    </message>
    <message>
        <source>Rate the days bear: %1.</source>
        <translation>Taux que portent les jours&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Held balance</source>
        <translation>Solde retenu</translation>
    </message>
    <message>
        <source>Part of a year</source>
        <translation>Fraction d&apos;année</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Compensation</translation>
    </message>
    <message>
        <source>Bears interest</source>
        <translation>Portant intérêts</translation>
    </message>
    <message>
        <source>Deferred</source>
        <translation>Int. différés</translation>
    </message>
    <message>
        <source>Rate %</source>
        <translation>Taux&#xa0;%</translation>
    </message>
    <message>
        <source>Divisor</source>
        <translation>Diviseur</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intérêts</translation>
    </message>
    <message>
        <source>Running total</source>
        <translation>Total cumulé</translation>
    </message>
    <message>
        <source>%1 to %2 %</source>
        <translation>%1 à %2&#xa0;%</translation>
    </message>
    <message>
        <source>none: the lender charged nothing on this date</source>
        <translation>aucun&#xa0;: le prêteur n&apos;a rien débité à cette date</translation>
    </message>
    <message>
        <source>none: the posting cannot be compared</source>
        <translation>aucun&#xa0;: le débit d&apos;intérêts ne peut pas être comparé</translation>
    </message>
    <message>
        <source>none: no balance bore interest in the period</source>
        <translation>aucun&#xa0;: aucun solde n&apos;a porté intérêts pendant la période</translation>
    </message>
    <message>
        <source>none: no rate from %1 to %2 % comes to the charge</source>
        <translation>aucun&#xa0;: aucun taux de %1 à %2&#xa0;% ne donne le débit</translation>
    </message>
    <message>
        <source>Working of the interest due on %1</source>
        <translation>Détail du calcul des intérêts dus au %1</translation>
    </message>
    <message>
        <source>Total of the days, unrounded:</source>
        <translation>Total des jours, non arrondi&#xa0;:</translation>
    </message>
    <message>
        <source>Total of the days:</source>
        <translation>Total des jours&#xa0;:</translation>
    </message>
    <message>
        <source>Interest due (Int Due):</source>
        <translation>Intérêts dus (Int. dus)&#xa0;:</translation>
    </message>
    <message>
        <source>Lender&apos;s charge (Int Charge):</source>
        <translation>Débit du prêteur (Int. débités)&#xa0;:</translation>
    </message>
    <message>
        <source>Charged - due:</source>
        <translation>Débité - dû&#xa0;:</translation>
    </message>
    <message>
        <source>none on this date</source>
        <translation>aucun à cette date</translation>
    </message>
    <message>
        <source>Rate entered:</source>
        <translation>Taux saisi&#xa0;:</translation>
    </message>
    <message>
        <source>Effective rate:</source>
        <translation>Taux effectif&#xa0;:</translation>
    </message>
    <message>
        <source>Comparable:</source>
        <translation>Comparable&#xa0;:</translation>
    </message>
    <message>
        <source>≈ No rate gives the charge exactly: a step of the rounding jumps over it. The rate shown is where it does.</source>
        <translation>≈ Aucun taux ne donne exactement le débit&#xa0;: un pas de l&apos;arrondi le saute. Le taux affiché est celui où se produit ce saut.</translation>
    </message>
    <message>
        <source>The effective rate lies %1 percentage points or more from every rate entered for the period.</source>
        <translation>Le taux effectif s&apos;écarte d&apos;au moins %1 points de pourcentage de chacun des taux saisis pour la période.</translation>
    </message>
    <message>
        <source>* A balance row reset the balance at the end of the day before: the history does not reach the balance the bank stated.</source>
        <translation>* Une ligne de solde a réinitialisé le solde à la fin de la veille&#xa0;: l&apos;historique n&apos;atteint pas le solde indiqué par la banque.</translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>The days of the period</source>
        <translation>Les jours de la période</translation>
    </message>
    <message>
        <source>Total, charge and rates</source>
        <translation>Total, débit et taux</translation>
    </message>
    <message>
        <source>Print with the &amp;report</source>
        <translation>Imprimer avec le &amp;rapport</translation>
    </message>
    <message>
        <source>The printed report ends with the working of every posting ticked here or in the summary&apos;s largest differences, each on its own page.</source>
        <translation>Le rapport imprimé se termine par le détail du calcul de chaque débit d&apos;intérêts coché ici ou dans les plus grands écarts de la synthèse, chacun sur sa propre page.</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copies the days, tab-separated, to paste into a spreadsheet.</source>
        <translation>Copie les jours, séparés par des tabulations, pour les coller dans un tableur.</translation>
    </message>
    <message>
        <source>&amp;Save as CSV...</source>
        <translation>&amp;Enregistrer en CSV...</translation>
    </message>
    <message>
        <source>Print or P&amp;DF...</source>
        <translation>&amp;Imprimer ou PDF...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>The report has no interest posting.</source>
        <translation>Le rapport n&apos;a aucun débit d&apos;intérêts.</translation>
    </message>
    <message>
        <source>Show Working of the Explanation</source>
        <translation>Afficher le détail de l&apos;explication</translation>
    </message>
    <message>
        <source>Save the Working as CSV</source>
        <translation>Enregistrer le détail du calcul en CSV</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existe déjà. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Show Working</source>
        <translation>Afficher le détail</translation>
    </message>
    <message>
        <source>The working could not be saved: %1</source>
        <translation>Le détail du calcul n&apos;a pas pu être enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Show Working: %1</source>
        <extracomment>%1 is the posting&apos;s date.</extracomment>
        <translation>Afficher le détail&#xa0;: %1</translation>
    </message>
    <message>
        <source>CSV files|*.csv</source>
        <translation>Fichiers CSV|*.csv</translation>
    </message>
    <message>
        <source>Working %1.csv</source>
        <translation>Détail %1.csv</translation>
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
        <translation>Vérifie les intérêts qu&apos;un prêteur a débités sur un prêt immobilier&#xa0;: saisissez les opérations et les taux d&apos;intérêt de chaque relevé, et le rapport met les intérêts dus en regard des intérêts débités.</translation>
    </message>
    <message>
        <source>About Vantrell</source>
        <translation>À propos de Vantrell</translation>
    </message>
</context>
<context>
    <name>frmAllRecords</name>
    <message>
        <source>View/Amend Transactions</source>
        <translation>Voir/modifier les opérations</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Govt Charge</source>
        <translation>Taxes</translation>
    </message>
    <message>
        <source>Bank Charge</source>
        <translation>Frais bancaires</translation>
    </message>
    <message>
        <source>User Withdrawal</source>
        <translation>Retrait</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Versement</translation>
    </message>
    <message>
        <source>Interest Charge</source>
        <extracomment>The interest the lender charged on the row&apos;s date</extracomment>
        <translation>Intérêts débités</translation>
    </message>
    <message>
        <source>Balance</source>
        <extracomment>The balance before the row&apos;s amounts</extracomment>
        <translation>Solde</translation>
    </message>
    <message>
        <source>CloseBalance</source>
        <extracomment>The balance after the row&apos;s amounts</extracomment>
        <translation>Solde après</translation>
    </message>
</context>
<context>
    <name>frmCalculate</name>
    <message>
        <source>Interest Report</source>
        <translation>Rapport des intérêts</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Print Preview</source>
        <translation>A&amp;perçu avant impression</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Synthèse</translation>
    </message>
    <message>
        <source>Show &amp;Working</source>
        <translation>Afficher le &amp;détail</translation>
    </message>
    <message>
        <source>Co&amp;mplaint...</source>
        <translation>&amp;Réclamation...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>The report has no interest posting to show the working of.</source>
        <translation>Le rapport n&apos;a aucun débit d&apos;intérêts dont afficher le détail du calcul.</translation>
    </message>
    <message>
        <source>Requery Error: %1</source>
        <translation>Erreur de nouvelle requête&#xa0;: %1</translation>
    </message>
    <message>
        <source>Clear Report error</source>
        <extracomment>Followed at once by the database&apos;s error code and text.</extracomment>
        <translation>Erreur d&apos;effacement du rapport</translation>
    </message>
    <message>
        <source>Preview Error: %1</source>
        <translation>Erreur d&apos;aperçu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Print Error: %1</source>
        <translation>Erreur d&apos;impression&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&lt;&lt;&amp;Back</source>
        <translation>&lt;&lt;&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next&gt;&gt;</source>
        <translation>&amp;Suivant&gt;&gt;</translation>
    </message>
    <message>
        <source>Vantrell Help</source>
        <translation>Aide de Vantrell</translation>
    </message>
</context>
<context>
    <name>frmInformation</name>
    <message>
        <source>Missing Statement</source>
        <translation>Relevé manquant</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Enter Statement</source>
        <translation>Saisir le relevé</translation>
    </message>
    <message>
        <source>Statement Number
</source>
        <extracomment>The notice reads in three boxes: this, the statement&apos;s number, then &quot;has not been entered…&quot;.</extracomment>
        <translation>Numéro du relevé
</translation>
    </message>
    <message>
        <source>has not been entered. Calculated Interest Due for this period will not be 
accurate.
</source>
        <extracomment>Follows &quot;Statement Number&quot; and the statement&apos;s number.</extracomment>
        <translation>n&apos;a pas été saisi. Les intérêts dus calculés pour cette période ne seront pas 
exacts.
</translation>
    </message>
</context>
<context>
    <name>frmMethod</name>
    <message>
        <source>Interest Calculation Method</source>
        <translation>Méthode de calcul des intérêts</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Fixed Day</source>
        <translation>Jour fixe</translation>
    </message>
    <message>
        <source>Fixed Day, Deferred Interest</source>
        <translation>Jour fixe, intérêts différés</translation>
    </message>
    <message>
        <source>Variable Day</source>
        <translation>Jour variable</translation>
    </message>
    <message>
        <source>Variable Day, Deferred Interest</source>
        <translation>Jour variable, intérêts différés</translation>
    </message>
    <message>
        <source>Select Interest Calculation Method:</source>
        <translation>Choisissez la méthode de calcul des intérêts&#xa0;:</translation>
    </message>
    <message>
        <source>Day of Month Interest Paid From:</source>
        <translation>Jour du mois à partir duquel les intérêts courent&#xa0;:</translation>
    </message>
    <message>
        <source>Lender&apos;s Conventions</source>
        <translation>Conventions du prêteur</translation>
    </message>
    <message>
        <source>Find Lender&apos;s Method</source>
        <translation>Trouver la méthode du prêteur</translation>
    </message>
    <message>
        <source>Offset Account</source>
        <translation>Compte de compensation</translation>
    </message>
    <message>
        <source>Please enter the day of month that Interest Calculations start.
Or choose Variable Day.</source>
        <translation>Veuillez saisir le jour du mois où commence le calcul des intérêts.
Ou choisissez Jour variable.</translation>
    </message>
</context>
<context>
    <name>frmNewStatement</name>
    <message>
        <source>Enter Statement Details</source>
        <translation>Saisir les données du relevé</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a statement number. Please enter a whole number.</source>
        <translation>%1 «&#xa0;%2&#xa0;» n&apos;est pas un numéro de relevé. Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a date. Please enter it as %3.</source>
        <translation>%1 «&#xa0;%2&#xa0;» n&apos;est pas une date. Veuillez la saisir au format %3.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not an amount. Please enter a number, with a &apos;-&apos; (minus) sign if the Loan Account was in debit.</source>
        <translation>%1 «&#xa0;%2&#xa0;» n&apos;est pas un montant. Veuillez saisir un nombre, précédé du signe «&#xa0;-&#xa0;» (moins) si le compte de prêt était débiteur.</translation>
    </message>
    <message>
        <source>Statement Number:</source>
        <translation>Numéro du relevé&#xa0;:</translation>
    </message>
    <message>
        <source>Statement Start Date:</source>
        <translation>Date de début du relevé&#xa0;:</translation>
    </message>
    <message>
        <source>Opening Balance:</source>
        <translation>Solde initial&#xa0;:</translation>
    </message>
    <message>
        <source>Statement End Date:</source>
        <translation>Date de fin du relevé&#xa0;:</translation>
    </message>
    <message>
        <source>Closing Balance:</source>
        <translation>Solde final&#xa0;:</translation>
    </message>
    <message>
        <source>Please enter all statement details requested.</source>
        <translation>Veuillez saisir toutes les données du relevé demandées.</translation>
    </message>
    <message>
        <source>Please check Statement Start Date and Statement End Date.</source>
        <translation>Veuillez vérifier la date de début et la date de fin du relevé.</translation>
    </message>
    <message>
        <source>Please enter all Interest Rate details for this Loan Account.</source>
        <translation>Veuillez saisir toutes les données de taux d&apos;intérêt de ce compte de prêt.</translation>
    </message>
    <message>
        <source>Vantrell Verification</source>
        <translation>Vérification Vantrell</translation>
    </message>
    <message>
        <source>Are you sure your Loan Account
was in Credit?
If not use &apos;-&apos; (minus signs).</source>
        <translation>Êtes-vous sûr que votre compte de prêt
était créditeur&#xa0;?
Sinon, utilisez le signe «&#xa0;-&#xa0;» (moins).</translation>
    </message>
    <message>
        <source>This statement has already been entered.
Do you want to continue?</source>
        <translation>Ce relevé a déjà été saisi.
Voulez-vous continuer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Tasks</source>
        <translation>Tâches</translation>
    </message>
    <message>
        <source>Enter Statement Details</source>
        <translation>Saisir les données du relevé</translation>
    </message>
    <message>
        <source>View/Amend Interest Changes</source>
        <translation>Voir/modifier les changements de taux</translation>
    </message>
    <message>
        <source>View/Amend Transactions</source>
        <translation>Voir/modifier les opérations</translation>
    </message>
    <message>
        <source>View Report</source>
        <translation>Voir le rapport</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Task Menu</source>
        <translation>Menu des tâches</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Check the interest your lender charged on your home loan.
Start a new loan account, or open one you have saved.</source>
        <translation>Vérifiez les intérêts que votre prêteur a débités sur votre prêt immobilier.
Créez un nouveau compte de prêt ou ouvrez-en un que vous avez enregistré.</translation>
    </message>
    <message>
        <source>New Loan Account</source>
        <translation>Nouveau compte de prêt</translation>
    </message>
    <message>
        <source>Open Loan Account</source>
        <translation>Ouvrir un compte de prêt</translation>
    </message>
    <message>
        <source>Check a Loan from the Bank&apos;s File…</source>
        <translation>Vérifier un prêt depuis le fichier de la banque…</translation>
    </message>
    <message>
        <source>Check a Split Loan…</source>
        <translation>Vérifier un prêt en plusieurs lignes…</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Prise en main</translation>
    </message>
</context>
<context>
    <name>frmThisSession</name>
    <message>
        <source>Statement Transactions</source>
        <translation>Opérations du relevé</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>The opening balance &quot;%1&quot; is not an amount.</source>
        <translation>Le solde initial «&#xa0;%1&#xa0;» n&apos;est pas un montant.</translation>
    </message>
    <message>
        <source>The balance after the row of %1 is outside the range of amounts.</source>
        <translation>Le solde après la ligne du %1 sort de la plage des montants.</translation>
    </message>
    <message>
        <source>Please enter all statement details for current session.</source>
        <translation>Veuillez saisir toutes les données du relevé pour la session en cours.</translation>
    </message>
    <message>
        <source>An error has occurred. Please re-enter your data. %1</source>
        <extracomment>%1 is why the rows could not be read again.</extracomment>
        <translation>Une erreur s&apos;est produite. Veuillez saisir à nouveau vos données. %1</translation>
    </message>
    <message>
        <source>Get Balance Error %1</source>
        <translation>Erreur de lecture du solde %1</translation>
    </message>
    <message>
        <source>Please enter a valid date.</source>
        <translation>Veuillez saisir une date valide.</translation>
    </message>
    <message>
        <source>Errors in data entry, please check your figures. Include &apos;-&apos; (minus) sign in Open and Close Balances if appropriate.</source>
        <translation>Erreurs de saisie, veuillez vérifier vos chiffres. Indiquez le signe «&#xa0;-&#xa0;» (moins) dans les soldes initial et final si nécessaire.</translation>
    </message>
    <message>
        <source>Date error, please check all dates.</source>
        <translation>Erreur de date, veuillez vérifier toutes les dates.</translation>
    </message>
    <message>
        <source>Date Error. Please check all dates.</source>
        <translation>Erreur de date. Veuillez vérifier toutes les dates.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Govt Charge</source>
        <translation>Taxes</translation>
    </message>
    <message>
        <source>Bank Charge</source>
        <translation>Frais bancaires</translation>
    </message>
    <message>
        <source>User W&apos;drawal</source>
        <extracomment>The column of the borrower&apos;s own withdrawals, shortened to fit.</extracomment>
        <translation>Retrait</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Versement</translation>
    </message>
    <message>
        <source>Interest Charge</source>
        <extracomment>The column of the interest the lender charged.</extracomment>
        <translation>Intérêts débités</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>The rows were imported, but the file&apos;s layout could not be remembered: %1</source>
        <translation>Les lignes ont été importées, mais le format du fichier n&apos;a pas pu être mémorisé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>frmUserInterestChanges</name>
    <message>
        <source>Interest Rate Changes</source>
        <translation>Changements de taux</translation>
    </message>
    <message>
        <source>Reads rate periods back from the interest your lender charged, for a history without its rate letters.</source>
        <translation>Reconstitue les périodes de taux à partir des intérêts débités par votre prêteur, pour un historique sans ses courriers de taux.</translation>
    </message>
    <message>
        <source>Valid From</source>
        <translation>Valable du</translation>
    </message>
    <message>
        <source>Valid To</source>
        <translation>Valable au</translation>
    </message>
    <message>
        <source>Interest Rate</source>
        <translation>Taux d&apos;intérêt</translation>
    </message>
    <message>
        <source>Propose from Charges…</source>
        <translation>Proposer à partir des débits…</translation>
    </message>
    <message>
        <source>You must enter a statement first.</source>
        <translation>Vous devez d&apos;abord saisir un relevé.</translation>
    </message>
    <message>
        <source>Please enter interest rates.</source>
        <translation>Veuillez saisir les taux d&apos;intérêt.</translation>
    </message>
    <message>
        <source>Date Error. Please check all dates.</source>
        <translation>Erreur de date. Veuillez vérifier toutes les dates.</translation>
    </message>
    <message>
        <source>Please enter all transactions for this statement.</source>
        <translation>Veuillez saisir toutes les opérations de ce relevé.</translation>
    </message>
</context>
</TS>

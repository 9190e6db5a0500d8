<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Calculation</name>
    <message>
        <source>C A L C U L A T I N G . . .</source>
        <extracomment>Shown in the result box while the search runs; letters spaced out where the script has letters.</extracomment>
        <translation>B E R E C H N U N G . . .</translation>
    </message>
    <message>
        <source>E R R O R</source>
        <translation>F E H L E R</translation>
    </message>
    <message>
        <source>Could not calculate IRR.</source>
        <translation>Der IZF konnte nicht berechnet werden.</translation>
    </message>
    <message>
        <source>Please enter the correct Net Present Value (Net cash disbursement).</source>
        <translation>Bitte geben Sie einen gültigen Nettobarwert (Auszahlungsbetrag) ein.</translation>
    </message>
    <message>
        <source>Net Present Value must be between 1.00 to 100,000,000.</source>
        <translation>Der Nettobarwert muss zwischen 1,00 und 100.000.000 liegen.</translation>
    </message>
    <message>
        <source>Please enter correct duration (Number of Months).</source>
        <translation>Bitte geben Sie eine gültige Laufzeit (Anzahl der Monate) ein.</translation>
    </message>
    <message>
        <source>Loan duration (Number of Months, N) must be between 1 to 1000.</source>
        <translation>Die Laufzeit (Anzahl der Monate, N) muss zwischen 1 und 1000 liegen.</translation>
    </message>
    <message>
        <source>Please enter the correct monthly payment amount (PMT).</source>
        <translation>Bitte geben Sie eine gültige monatliche Rate (PMT) ein.</translation>
    </message>
    <message>
        <source>PMT must be between 0.00 to 100,000,000.</source>
        <translation>Die monatliche Rate (PMT) muss zwischen 0,00 und 100.000.000 liegen.</translation>
    </message>
    <message>
        <source>Please enter the correct Loan Closing Costs (Loan Balance + Prepayment Penalties + Loan Closing Fees).</source>
        <translation>Bitte geben Sie einen gültigen Ablösebetrag (Restschuld + Vorfälligkeitsentschädigung + Ablösegebühren) ein.</translation>
    </message>
    <message>
        <source>LOAN BALANCE + PENALTIES + LOAN CLOSING FEES must be between -100,000,000. to +100,000,000.</source>
        <translation>Restschuld + Vorfälligkeitsentschädigung + Ablösegebühren müssen zusammen zwischen -100.000.000 und +100.000.000 liegen.</translation>
    </message>
    <message>
        <source>Problem in input processing.</source>
        <translation>Fehler bei der Verarbeitung der Eingaben.</translation>
    </message>
    <message>
        <source>IRR is out of range.</source>
        <translation>Der IZF liegt außerhalb des gültigen Bereichs.</translation>
    </message>
    <message>
        <source>IRR = %1, when NPV = %2</source>
        <extracomment>%1 is the rate with its percent sign, %2 the present value it gives.</extracomment>
        <translation>IZF = %1 bei einem Nettobarwert von %2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>Property cannot be set at run time</source>
        <translation>Die Eigenschaft kann zur Laufzeit nicht gesetzt werden</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>This program will open the following web page:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Click OK to continue.</source>
        <translation>Dieses Programm öffnet die folgende Webseite:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Klicken Sie auf OK, um fortzufahren.</translation>
    </message>
    <message>
        <source>Sorry. It appears that opening the webpage of this program is not possible on this computer. As an alternative, you may visit following page using a web browser:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Do you want to copy the above address on the clipboard?</source>
        <translation>Leider lässt sich die Webseite dieses Programms auf diesem Computer offenbar nicht öffnen. Sie können die folgende Seite stattdessen in einem Webbrowser aufrufen:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Möchten Sie die obige Adresse in die Zwischenablage kopieren?</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>Value must be greater than or equal to -1.</source>
        <translation>Der Wert muss größer oder gleich -1 sein.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Variables</source>
        <translation>Eingabewerte</translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV) =</source>
        <translation>Auszahlungsbetrag (Nettobarwert) =</translation>
    </message>
    <message>
        <source>Net cash disburstment (for example, Loan Amount MINUS origaniting fees)</source>
        <translation>Tatsächlich ausgezahlter Betrag (z. B. Darlehensbetrag abzüglich Bearbeitungsgebühren)</translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV)</source>
        <translation>Auszahlungsbetrag (Nettobarwert)</translation>
    </message>
    <message>
        <source>Number of Months (N) =</source>
        <translation>Laufzeit in Monaten (N) =</translation>
    </message>
    <message>
        <source>Active Loan duration (in months)</source>
        <translation>Tatsächliche Laufzeit des Darlehens (in Monaten)</translation>
    </message>
    <message>
        <source>Number of Months (N)</source>
        <translation>Laufzeit in Monaten (N)</translation>
    </message>
    <message>
        <source>Monthly Payment (PMT) =</source>
        <translation>Monatliche Rate (PMT) =</translation>
    </message>
    <message>
        <source>Monthly constant payment amount</source>
        <translation>Gleichbleibende monatliche Rate</translation>
    </message>
    <message>
        <source>Monthly Payment (PMT)</source>
        <translation>Monatliche Rate (PMT)</translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees =</source>
        <translation>Restschuld + Vorfälligkeitsentgelt + Gebühren =</translation>
    </message>
    <message>
        <source>Loan closing costs (Loan Balance + Prepayment Penalties + Loan Closing Fees etc)</source>
        <translation>Ablösebetrag des Darlehens (Restschuld + Vorfälligkeitsentschädigung + Ablösegebühren usw.)</translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees</source>
        <translation>Restschuld + Vorfälligkeitsentgelt + Gebühren</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Calculate IRR</source>
        <translation>IZF berechnen</translation>
    </message>
    <message>
        <source>Click here to calculate Internal Rate of Return</source>
        <translation>Hier klicken, um den internen Zinsfuß zu berechnen</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Online-Hilfe</translation>
    </message>
    <message>
        <source>Calculation Equation</source>
        <translation>Berechnungsformel</translation>
    </message>
    <message>
        <source>IRR Calculation is based on this equation</source>
        <translation>Die Berechnung des IZF beruht auf dieser Gleichung</translation>
    </message>
    <message>
        <source>Calculation equation</source>
        <translation>Berechnungsformel</translation>
    </message>
    <message>
        <source>NetPV = PMT × { ( 1 − [ 1 + IRR/12 ] ^ (−N) ) / ( IRR/12 ) } + { ( LoanBalance + Penalties + LoanCloseFees ) / ( 1 + IRR/12 ) ^ N }</source>
        <translation>Nettobarwert = PMT × { ( 1 − [ 1 + IZF/12 ] ^ (−N) ) / ( IZF/12 ) } + { ( Restschuld + Vorfälligkeitsentgelt + Gebühren ) / ( 1 + IZF/12 ) ^ N }</translation>
    </message>
    <message>
        <source>Approximate Result</source>
        <translation>Näherungsergebnis</translation>
    </message>
    <message>
        <source>Approximate result</source>
        <translation>Näherungsergebnis</translation>
    </message>
    <message>
        <source>Go to: %1</source>
        <translation>Gehe zu: %1</translation>
    </message>
    <message>
        <source>Nothing inserted: this field takes at most %1 characters.</source>
        <translation>Nichts eingefügt: Dieses Feld fasst höchstens %1 Zeichen.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Calculation</name>
    <message>
        <source>C A L C U L A T I N G . . .</source>
        <extracomment>Shown in the result box while the search runs; letters spaced out where the script has letters.</extracomment>
        <translation>B E R E K E N E N . . .</translation>
    </message>
    <message>
        <source>E R R O R</source>
        <translation>F O U T</translation>
    </message>
    <message>
        <source>Could not calculate IRR.</source>
        <translation>De IRR kan niet worden berekend.</translation>
    </message>
    <message>
        <source>Please enter the correct Net Present Value (Net cash disbursement).</source>
        <translation>Voer een juiste netto contante waarde (netto uitbetaald bedrag) in.</translation>
    </message>
    <message>
        <source>Net Present Value must be between 1.00 to 100,000,000.</source>
        <translation>De netto contante waarde moet tussen 1,00 en 100.000.000 liggen.</translation>
    </message>
    <message>
        <source>Please enter correct duration (Number of Months).</source>
        <translation>Voer een juiste looptijd (aantal maanden) in.</translation>
    </message>
    <message>
        <source>Loan duration (Number of Months, N) must be between 1 to 1000.</source>
        <translation>De looptijd van de lening (aantal maanden, N) moet tussen 1 en 1000 liggen.</translation>
    </message>
    <message>
        <source>Please enter the correct monthly payment amount (PMT).</source>
        <translation>Voer een juist maandtermijnbedrag (PMT) in.</translation>
    </message>
    <message>
        <source>PMT must be between 0.00 to 100,000,000.</source>
        <translation>De maandtermijn (PMT) moet tussen 0,00 en 100.000.000 liggen.</translation>
    </message>
    <message>
        <source>Please enter the correct Loan Closing Costs (Loan Balance + Prepayment Penalties + Loan Closing Fees).</source>
        <translation>Voer een juist eindbedrag in (restschuld + boeterente bij vervroegde aflossing + beëindigingskosten).</translation>
    </message>
    <message>
        <source>LOAN BALANCE + PENALTIES + LOAN CLOSING FEES must be between -100,000,000. to +100,000,000.</source>
        <translation>De som van restschuld, boeterente en beëindigingskosten moet tussen -100.000.000 en +100.000.000 liggen.</translation>
    </message>
    <message>
        <source>Problem in input processing.</source>
        <translation>Fout bij het verwerken van de invoer.</translation>
    </message>
    <message>
        <source>IRR is out of range.</source>
        <translation>De IRR valt buiten het bereik.</translation>
    </message>
    <message>
        <source>IRR = %1, when NPV = %2</source>
        <extracomment>%1 is the rate with its percent sign, %2 the present value it gives.</extracomment>
        <translation>IRR = %1 bij een NCW van %2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Onvoldoende geheugen</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Onverwachte fout</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ongeldige procedureaanroep of ongeldig argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Deling door nul</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen komen niet overeen</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ongeldige eigenschapswaarde</translation>
    </message>
    <message>
        <source>Property cannot be set at run time</source>
        <translation>Eigenschap kan niet tijdens uitvoering worden ingesteld</translation>
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
        <translation>Dit programma opent de volgende webpagina:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Klik op OK om door te gaan.</translation>
    </message>
    <message>
        <source>Sorry. It appears that opening the webpage of this program is not possible on this computer. As an alternative, you may visit following page using a web browser:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Do you want to copy the above address on the clipboard?</source>
        <translation>Helaas lijkt het niet mogelijk om de webpagina van dit programma op deze computer te openen. U kunt de volgende pagina ook in een webbrowser bezoeken:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Wilt u het bovenstaande adres naar het klembord kopiëren?</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>Value must be greater than or equal to -1.</source>
        <translation>De waarde moet groter dan of gelijk aan -1 zijn.</translation>
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
        <translation>Variabelen</translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV) =</source>
        <translation>Netto uitbetaald bedrag (NCW) =</translation>
    </message>
    <message>
        <source>Net cash disburstment (for example, Loan Amount MINUS origaniting fees)</source>
        <translation>Netto uitbetaald bedrag (bijvoorbeeld leenbedrag min afsluitprovisie)</translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV)</source>
        <translation>Netto uitbetaald bedrag (NCW)</translation>
    </message>
    <message>
        <source>Number of Months (N) =</source>
        <translation>Aantal maanden (N) =</translation>
    </message>
    <message>
        <source>Active Loan duration (in months)</source>
        <translation>Werkelijke looptijd van de lening (in maanden)</translation>
    </message>
    <message>
        <source>Number of Months (N)</source>
        <translation>Aantal maanden (N)</translation>
    </message>
    <message>
        <source>Monthly Payment (PMT) =</source>
        <translation>Maandtermijn (PMT) =</translation>
    </message>
    <message>
        <source>Monthly constant payment amount</source>
        <translation>Vast maandelijks termijnbedrag</translation>
    </message>
    <message>
        <source>Monthly Payment (PMT)</source>
        <translation>Maandtermijn (PMT)</translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees =</source>
        <translation>Restschuld + boeterente + beëindigingskosten =</translation>
    </message>
    <message>
        <source>Loan closing costs (Loan Balance + Prepayment Penalties + Loan Closing Fees etc)</source>
        <translation>Bedrag bij beëindiging van de lening (restschuld + boeterente bij vervroegde aflossing + beëindigingskosten, enz.)</translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees</source>
        <translation>Restschuld + boeterente + beëindigingskosten</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Opdrachten</translation>
    </message>
    <message>
        <source>Calculate IRR</source>
        <translation>IRR berekenen</translation>
    </message>
    <message>
        <source>Click here to calculate Internal Rate of Return</source>
        <translation>Klik hier om de interne rentevoet (IRR) te berekenen</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Onlinehelp</translation>
    </message>
    <message>
        <source>Calculation Equation</source>
        <translation>Rekenformule</translation>
    </message>
    <message>
        <source>IRR Calculation is based on this equation</source>
        <translation>De berekening van de IRR is gebaseerd op deze vergelijking</translation>
    </message>
    <message>
        <source>Calculation equation</source>
        <translation>Rekenformule</translation>
    </message>
    <message>
        <source>NetPV = PMT × { ( 1 − [ 1 + IRR/12 ] ^ (−N) ) / ( IRR/12 ) } + { ( LoanBalance + Penalties + LoanCloseFees ) / ( 1 + IRR/12 ) ^ N }</source>
        <translation>NCW = PMT × { ( 1 − [ 1 + IRR/12 ] ^ (−N) ) / ( IRR/12 ) } + { ( restschuld + boeterente + beëindigingskosten ) / ( 1 + IRR/12 ) ^ N }</translation>
    </message>
    <message>
        <source>Approximate Result</source>
        <translation>Benaderde uitkomst</translation>
    </message>
    <message>
        <source>Approximate result</source>
        <translation>Benaderde uitkomst</translation>
    </message>
    <message>
        <source>Go to: %1</source>
        <translation>Ga naar: %1</translation>
    </message>
    <message>
        <source>Nothing inserted: this field takes at most %1 characters.</source>
        <translation>Niets ingevoegd: dit veld kan maximaal %1 tekens bevatten.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Calculation</name>
    <message>
        <source>C A L C U L A T I N G . . .</source>
        <extracomment>Shown in the result box while the search runs; letters spaced out where the script has letters.</extracomment>
        <translation>C A L C O L O   I N   C O R S O . . .</translation>
    </message>
    <message>
        <source>E R R O R</source>
        <translation>E R R O R E</translation>
    </message>
    <message>
        <source>Could not calculate IRR.</source>
        <translation>Impossibile calcolare il TIR.</translation>
    </message>
    <message>
        <source>Please enter the correct Net Present Value (Net cash disbursement).</source>
        <translation>Inserire un valore attuale netto (importo netto erogato) corretto.</translation>
    </message>
    <message>
        <source>Net Present Value must be between 1.00 to 100,000,000.</source>
        <translation>Il valore attuale netto deve essere compreso tra 1,00 e 100.000.000.</translation>
    </message>
    <message>
        <source>Please enter correct duration (Number of Months).</source>
        <translation>Inserire una durata corretta (numero di mesi).</translation>
    </message>
    <message>
        <source>Loan duration (Number of Months, N) must be between 1 to 1000.</source>
        <translation>La durata del mutuo (numero di mesi, N) deve essere compresa tra 1 e 1000.</translation>
    </message>
    <message>
        <source>Please enter the correct monthly payment amount (PMT).</source>
        <translation>Inserire un importo corretto per la rata mensile (PMT).</translation>
    </message>
    <message>
        <source>PMT must be between 0.00 to 100,000,000.</source>
        <translation>La rata mensile (PMT) deve essere compresa tra 0,00 e 100.000.000.</translation>
    </message>
    <message>
        <source>Please enter the correct Loan Closing Costs (Loan Balance + Prepayment Penalties + Loan Closing Fees).</source>
        <translation>Inserire un importo di estinzione corretto (debito residuo + penali di estinzione anticipata + spese di estinzione).</translation>
    </message>
    <message>
        <source>LOAN BALANCE + PENALTIES + LOAN CLOSING FEES must be between -100,000,000. to +100,000,000.</source>
        <translation>La somma del debito residuo, delle penali e delle spese di estinzione deve essere compresa tra -100.000.000 e +100.000.000.</translation>
    </message>
    <message>
        <source>Problem in input processing.</source>
        <translation>Errore nell&apos;elaborazione dei dati inseriti.</translation>
    </message>
    <message>
        <source>IRR is out of range.</source>
        <translation>Il TIR è fuori dall&apos;intervallo di calcolo.</translation>
    </message>
    <message>
        <source>IRR = %1, when NPV = %2</source>
        <extracomment>%1 is the rate with its percent sign, %2 the present value it gives.</extracomment>
        <translation>TIR = %1, con VAN pari a %2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insufficiente</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Errore imprevisto</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chiamata di routine o argomento non validi</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisione per zero</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipo non corrispondente</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valore della proprietà non valido</translation>
    </message>
    <message>
        <source>Property cannot be set at run time</source>
        <translation>Impossibile impostare la proprietà in fase di esecuzione</translation>
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
        <translation>Questo programma aprirà la seguente pagina web:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Fare clic su OK per continuare.</translation>
    </message>
    <message>
        <source>Sorry. It appears that opening the webpage of this program is not possible on this computer. As an alternative, you may visit following page using a web browser:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Do you want to copy the above address on the clipboard?</source>
        <translation>Spiacenti, sembra che non sia possibile aprire la pagina web di questo programma su questo computer. In alternativa, è possibile visitare la seguente pagina con un browser web:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Copiare l&apos;indirizzo riportato sopra negli appunti?</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>Value must be greater than or equal to -1.</source>
        <translation>Il valore deve essere maggiore o uguale a -1.</translation>
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
        <translation>Variabili</translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV) =</source>
        <translation>Importo netto erogato (VAN) =</translation>
    </message>
    <message>
        <source>Net cash disburstment (for example, Loan Amount MINUS origaniting fees)</source>
        <translation>Importo netto effettivamente erogato (ad esempio, importo del mutuo meno le spese di istruttoria)</translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV)</source>
        <translation>Importo netto erogato (VAN)</translation>
    </message>
    <message>
        <source>Number of Months (N) =</source>
        <translation>Numero di mesi (N) =</translation>
    </message>
    <message>
        <source>Active Loan duration (in months)</source>
        <translation>Durata effettiva del mutuo (in mesi)</translation>
    </message>
    <message>
        <source>Number of Months (N)</source>
        <translation>Numero di mesi (N)</translation>
    </message>
    <message>
        <source>Monthly Payment (PMT) =</source>
        <translation>Rata mensile (PMT) =</translation>
    </message>
    <message>
        <source>Monthly constant payment amount</source>
        <translation>Importo della rata mensile costante</translation>
    </message>
    <message>
        <source>Monthly Payment (PMT)</source>
        <translation>Rata mensile (PMT)</translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees =</source>
        <translation>Debito residuo + penali + spese di estinzione =</translation>
    </message>
    <message>
        <source>Loan closing costs (Loan Balance + Prepayment Penalties + Loan Closing Fees etc)</source>
        <translation>Importo di estinzione del mutuo (debito residuo + penali di estinzione anticipata + spese di estinzione, ecc.)</translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees</source>
        <translation>Debito residuo + penali + spese di estinzione</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandi</translation>
    </message>
    <message>
        <source>Calculate IRR</source>
        <translation>Calcola TIR</translation>
    </message>
    <message>
        <source>Click here to calculate Internal Rate of Return</source>
        <translation>Fare clic qui per calcolare il tasso interno di rendimento</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Guida online</translation>
    </message>
    <message>
        <source>Calculation Equation</source>
        <translation>Equazione di calcolo</translation>
    </message>
    <message>
        <source>IRR Calculation is based on this equation</source>
        <translation>Il calcolo del TIR si basa su questa equazione</translation>
    </message>
    <message>
        <source>Calculation equation</source>
        <translation>Equazione di calcolo</translation>
    </message>
    <message>
        <source>NetPV = PMT × { ( 1 − [ 1 + IRR/12 ] ^ (−N) ) / ( IRR/12 ) } + { ( LoanBalance + Penalties + LoanCloseFees ) / ( 1 + IRR/12 ) ^ N }</source>
        <translation>VAN = PMT × { ( 1 − [ 1 + TIR/12 ] ^ (−N) ) / ( TIR/12 ) } + { ( debito residuo + penali + spese di estinzione ) / ( 1 + TIR/12 ) ^ N }</translation>
    </message>
    <message>
        <source>Approximate Result</source>
        <translation>Risultato approssimato</translation>
    </message>
    <message>
        <source>Approximate result</source>
        <translation>Risultato approssimato</translation>
    </message>
    <message>
        <source>Go to: %1</source>
        <translation>Vai a: %1</translation>
    </message>
    <message>
        <source>Nothing inserted: this field takes at most %1 characters.</source>
        <translation>Nessun testo inserito: questo campo accetta al massimo %1 caratteri.</translation>
    </message>
</context>
</TS>

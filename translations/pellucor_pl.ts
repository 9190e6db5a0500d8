<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Calculation</name>
    <message>
        <source>C A L C U L A T I N G . . .</source>
        <extracomment>Shown in the result box while the search runs; letters spaced out where the script has letters.</extracomment>
        <translation>O B L I C Z A N I E . . .</translation>
    </message>
    <message>
        <source>E R R O R</source>
        <translation>B Ł Ą D</translation>
    </message>
    <message>
        <source>Could not calculate IRR.</source>
        <translation>Nie udało się obliczyć IRR.</translation>
    </message>
    <message>
        <source>Please enter the correct Net Present Value (Net cash disbursement).</source>
        <translation>Wprowadź poprawną wartość bieżącą netto (kwotę wypłaconą netto).</translation>
    </message>
    <message>
        <source>Net Present Value must be between 1.00 to 100,000,000.</source>
        <translation>Wartość bieżąca netto musi mieścić się w przedziale od 1,00 do 100&#xa0;000&#xa0;000.</translation>
    </message>
    <message>
        <source>Please enter correct duration (Number of Months).</source>
        <translation>Wprowadź poprawny okres kredytowania (liczbę miesięcy).</translation>
    </message>
    <message>
        <source>Loan duration (Number of Months, N) must be between 1 to 1000.</source>
        <translation>Okres kredytowania (liczba miesięcy, N) musi mieścić się w przedziale od 1 do 1000.</translation>
    </message>
    <message>
        <source>Please enter the correct monthly payment amount (PMT).</source>
        <translation>Wprowadź poprawną kwotę raty miesięcznej (PMT).</translation>
    </message>
    <message>
        <source>PMT must be between 0.00 to 100,000,000.</source>
        <translation>Rata miesięczna (PMT) musi mieścić się w przedziale od 0,00 do 100&#xa0;000&#xa0;000.</translation>
    </message>
    <message>
        <source>Please enter the correct Loan Closing Costs (Loan Balance + Prepayment Penalties + Loan Closing Fees).</source>
        <translation>Wprowadź poprawne koszty zamknięcia kredytu (saldo kredytu + prowizja za wcześniejszą spłatę + opłaty za zamknięcie kredytu).</translation>
    </message>
    <message>
        <source>LOAN BALANCE + PENALTIES + LOAN CLOSING FEES must be between -100,000,000. to +100,000,000.</source>
        <translation>Suma salda kredytu, prowizji i opłat za zamknięcie kredytu musi mieścić się w przedziale od -100&#xa0;000&#xa0;000 do +100&#xa0;000&#xa0;000.</translation>
    </message>
    <message>
        <source>Problem in input processing.</source>
        <translation>Wystąpił problem podczas przetwarzania danych wejściowych.</translation>
    </message>
    <message>
        <source>IRR is out of range.</source>
        <translation>IRR poza zakresem.</translation>
    </message>
    <message>
        <source>IRR = %1, when NPV = %2</source>
        <extracomment>%1 is the rate with its percent sign, %2 the present value it gives.</extracomment>
        <translatorcomment>Terms: wewnętrzna stopa zwrotu (IRR) and wartość bieżąca netto (NPV); Polish finance keeps the Latin abbreviations. Net cash disbursement: kwota wypłacona netto; origination fee: prowizja za udzielenie kredytu.</translatorcomment>
        <translation>IRR = %1 przy NPV = %2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Brak pamięci</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Nieoczekiwany błąd</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Nieprawidłowe wywołanie procedury lub argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Dzielenie przez zero</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Niezgodność typów</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Nieprawidłowa wartość właściwości</translation>
    </message>
    <message>
        <source>Property cannot be set at run time</source>
        <translation>Tej właściwości nie można ustawić w czasie działania programu</translation>
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
        <translation>Program otworzy następującą stronę internetową:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Kliknij OK, aby kontynuować.</translation>
    </message>
    <message>
        <source>Sorry. It appears that opening the webpage of this program is not possible on this computer. As an alternative, you may visit following page using a web browser:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Do you want to copy the above address on the clipboard?</source>
        <translation>Niestety, wygląda na to, że na tym komputerze nie można otworzyć strony internetowej tego programu. Zamiast tego możesz odwiedzić następującą stronę w przeglądarce internetowej:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Czy skopiować powyższy adres do schowka?</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>Value must be greater than or equal to -1.</source>
        <translation>Wartość musi być większa lub równa -1.</translation>
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
        <translation>Dane wejściowe</translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV) =</source>
        <translation>Kwota wypłacona netto (NPV) =</translation>
    </message>
    <message>
        <source>Net cash disburstment (for example, Loan Amount MINUS origaniting fees)</source>
        <translation>Kwota faktycznie wypłacona netto (np. kwota kredytu MINUS prowizja za udzielenie kredytu)</translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV)</source>
        <translation>Kwota wypłacona netto (wartość bieżąca netto, NPV)</translation>
    </message>
    <message>
        <source>Number of Months (N) =</source>
        <translation>Liczba miesięcy (N) =</translation>
    </message>
    <message>
        <source>Active Loan duration (in months)</source>
        <translation>Faktyczny okres kredytowania (w miesiącach)</translation>
    </message>
    <message>
        <source>Number of Months (N)</source>
        <translation>Liczba miesięcy (N)</translation>
    </message>
    <message>
        <source>Monthly Payment (PMT) =</source>
        <translation>Rata miesięczna (PMT) =</translation>
    </message>
    <message>
        <source>Monthly constant payment amount</source>
        <translation>Stała kwota raty miesięcznej</translation>
    </message>
    <message>
        <source>Monthly Payment (PMT)</source>
        <translation>Rata miesięczna (PMT)</translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees =</source>
        <translation>Saldo kredytu + prowizje + opłaty =</translation>
    </message>
    <message>
        <source>Loan closing costs (Loan Balance + Prepayment Penalties + Loan Closing Fees etc)</source>
        <translation>Koszty zamknięcia kredytu (saldo kredytu + prowizja za wcześniejszą spłatę + opłaty za zamknięcie kredytu itp.)</translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees</source>
        <translation>Saldo kredytu + prowizja za wcześniejszą spłatę + opłaty za zamknięcie kredytu</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Polecenia</translation>
    </message>
    <message>
        <source>Calculate IRR</source>
        <translation>Oblicz IRR</translation>
    </message>
    <message>
        <source>Click here to calculate Internal Rate of Return</source>
        <translation>Kliknij, aby obliczyć wewnętrzną stopę zwrotu (IRR)</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Pomoc online</translation>
    </message>
    <message>
        <source>Calculation Equation</source>
        <translation>Wzór obliczeniowy</translation>
    </message>
    <message>
        <source>IRR Calculation is based on this equation</source>
        <translation>Obliczenie IRR opiera się na tym wzorze</translation>
    </message>
    <message>
        <source>Calculation equation</source>
        <translation>Wzór obliczeniowy</translation>
    </message>
    <message>
        <source>NetPV = PMT × { ( 1 − [ 1 + IRR/12 ] ^ (−N) ) / ( IRR/12 ) } + { ( LoanBalance + Penalties + LoanCloseFees ) / ( 1 + IRR/12 ) ^ N }</source>
        <translation>NPV = PMT × { ( 1 − [ 1 + IRR/12 ] ^ (−N) ) / ( IRR/12 ) } + { ( saldo kredytu + prowizje + opłaty za zamknięcie ) / ( 1 + IRR/12 ) ^ N }</translation>
    </message>
    <message>
        <source>Approximate Result</source>
        <translation>Wynik przybliżony</translation>
    </message>
    <message>
        <source>Approximate result</source>
        <translation>Wynik przybliżony</translation>
    </message>
    <message>
        <source>Go to: %1</source>
        <translation>Przejdź do: %1</translation>
    </message>
    <message>
        <source>Nothing inserted: this field takes at most %1 characters.</source>
        <translation>Nic nie wstawiono: to pole mieści najwyżej %1 znaków.</translation>
    </message>
</context>
</TS>

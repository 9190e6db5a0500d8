<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Calculation</name>
    <message>
        <source>C A L C U L A T I N G . . .</source>
        <extracomment>Shown in the result box while the search runs; letters spaced out where the script has letters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E R R O R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not calculate IRR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the correct Net Present Value (Net cash disbursement).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net Present Value must be between 1.00 to 100,000,000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter correct duration (Number of Months).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan duration (Number of Months, N) must be between 1 to 1000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the correct monthly payment amount (PMT).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PMT must be between 0.00 to 100,000,000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the correct Loan Closing Costs (Loan Balance + Prepayment Penalties + Loan Closing Fees).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOAN BALANCE + PENALTIES + LOAN CLOSING FEES must be between -100,000,000. to +100,000,000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem in input processing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IRR is out of range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IRR = %1, when NPV = %2</source>
        <extracomment>%1 is the rate with its percent sign, %2 the present value it gives.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Property cannot be set at run time</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry. It appears that opening the webpage of this program is not possible on this computer. As an alternative, you may visit following page using a web browser:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Do you want to copy the above address on the clipboard?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>Value must be greater than or equal to -1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Variables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV) =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net cash disburstment (for example, Loan Amount MINUS origaniting fees)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Months (N) =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active Loan duration (in months)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Months (N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly Payment (PMT) =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly constant payment amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly Payment (PMT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan closing costs (Loan Balance + Prepayment Penalties + Loan Closing Fees etc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate IRR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to calculate Internal Rate of Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation Equation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IRR Calculation is based on this equation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation equation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NetPV = PMT × { ( 1 − [ 1 + IRR/12 ] ^ (−N) ) / ( IRR/12 ) } + { ( LoanBalance + Penalties + LoanCloseFees ) / ( 1 + IRR/12 ) ^ N }</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Approximate Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Approximate result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Calculation</name>
    <message>
        <source>C A L C U L A T I N G . . .</source>
        <extracomment>Shown in the result box while the search runs; letters spaced out where the script has letters.</extracomment>
        <translation>C A L C U L A N D O . . .</translation>
    </message>
    <message>
        <source>E R R O R</source>
        <translation>E R R O R</translation>
    </message>
    <message>
        <source>Could not calculate IRR.</source>
        <translation>No se ha podido calcular la TIR.</translation>
    </message>
    <message>
        <source>Please enter the correct Net Present Value (Net cash disbursement).</source>
        <translation>Introduzca un valor actual neto (importe neto desembolsado) correcto.</translation>
    </message>
    <message>
        <source>Net Present Value must be between 1.00 to 100,000,000.</source>
        <translation>El valor actual neto debe estar entre 1,00 y 100.000.000.</translation>
    </message>
    <message>
        <source>Please enter correct duration (Number of Months).</source>
        <translation>Introduzca una duración correcta (número de meses).</translation>
    </message>
    <message>
        <source>Loan duration (Number of Months, N) must be between 1 to 1000.</source>
        <translation>La duración del préstamo (número de meses, N) debe estar entre 1 y 1000.</translation>
    </message>
    <message>
        <source>Please enter the correct monthly payment amount (PMT).</source>
        <translation>Introduzca un importe de cuota mensual (PMT) correcto.</translation>
    </message>
    <message>
        <source>PMT must be between 0.00 to 100,000,000.</source>
        <translation>La cuota mensual (PMT) debe estar entre 0,00 y 100.000.000.</translation>
    </message>
    <message>
        <source>Please enter the correct Loan Closing Costs (Loan Balance + Prepayment Penalties + Loan Closing Fees).</source>
        <translation>Introduzca un importe de cancelación correcto (capital pendiente + comisión por amortización anticipada + gastos de cancelación).</translation>
    </message>
    <message>
        <source>LOAN BALANCE + PENALTIES + LOAN CLOSING FEES must be between -100,000,000. to +100,000,000.</source>
        <translation>La suma del capital pendiente, las penalizaciones y los gastos de cancelación debe estar entre -100.000.000 y +100.000.000.</translation>
    </message>
    <message>
        <source>Problem in input processing.</source>
        <translation>Error al procesar los datos introducidos.</translation>
    </message>
    <message>
        <source>IRR is out of range.</source>
        <translation>La TIR está fuera de rango.</translation>
    </message>
    <message>
        <source>IRR = %1, when NPV = %2</source>
        <extracomment>%1 is the rate with its percent sign, %2 the present value it gives.</extracomment>
        <translation>TIR = %1, con un VAN de %2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Error inesperado</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Llamada a procedimiento o argumento no válidos</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propiedad no válido</translation>
    </message>
    <message>
        <source>Property cannot be set at run time</source>
        <translation>La propiedad no se puede establecer en tiempo de ejecución</translation>
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
        <translation>Este programa abrirá la siguiente página web:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Haga clic en Aceptar para continuar.</translation>
    </message>
    <message>
        <source>Sorry. It appears that opening the webpage of this program is not possible on this computer. As an alternative, you may visit following page using a web browser:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Do you want to copy the above address on the clipboard?</source>
        <translation>Lo sentimos. Parece que no es posible abrir la página web de este programa en este equipo. Como alternativa, puede visitar la siguiente página con un navegador web:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
¿Desea copiar la dirección anterior en el portapapeles?</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>Value must be greater than or equal to -1.</source>
        <translation>El valor debe ser mayor o igual que -1.</translation>
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
        <translation>Datos del préstamo</translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV) =</source>
        <translation>Importe neto desembolsado (VAN) =</translation>
    </message>
    <message>
        <source>Net cash disburstment (for example, Loan Amount MINUS origaniting fees)</source>
        <translation>Importe neto desembolsado (por ejemplo, importe del préstamo menos la comisión de apertura)</translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV)</source>
        <translation>Importe neto desembolsado (VAN)</translation>
    </message>
    <message>
        <source>Number of Months (N) =</source>
        <translation>Número de meses (N) =</translation>
    </message>
    <message>
        <source>Active Loan duration (in months)</source>
        <translation>Duración efectiva del préstamo (en meses)</translation>
    </message>
    <message>
        <source>Number of Months (N)</source>
        <translation>Número de meses (N)</translation>
    </message>
    <message>
        <source>Monthly Payment (PMT) =</source>
        <translation>Cuota mensual (PMT) =</translation>
    </message>
    <message>
        <source>Monthly constant payment amount</source>
        <translation>Importe de la cuota mensual constante</translation>
    </message>
    <message>
        <source>Monthly Payment (PMT)</source>
        <translation>Cuota mensual (PMT)</translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees =</source>
        <translation>Capital pendiente + penalizaciones + gastos =</translation>
    </message>
    <message>
        <source>Loan closing costs (Loan Balance + Prepayment Penalties + Loan Closing Fees etc)</source>
        <translation>Importe de cancelación del préstamo (capital pendiente + comisión por amortización anticipada + gastos de cancelación, etc.)</translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees</source>
        <translation>Capital pendiente + penalizaciones + gastos</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Calculate IRR</source>
        <translation>Calcular TIR</translation>
    </message>
    <message>
        <source>Click here to calculate Internal Rate of Return</source>
        <translation>Haga clic aquí para calcular la tasa interna de retorno</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Ayuda en línea</translation>
    </message>
    <message>
        <source>Calculation Equation</source>
        <translation>Ecuación de cálculo</translation>
    </message>
    <message>
        <source>IRR Calculation is based on this equation</source>
        <translation>El cálculo de la TIR se basa en esta ecuación</translation>
    </message>
    <message>
        <source>Calculation equation</source>
        <translation>Ecuación de cálculo</translation>
    </message>
    <message>
        <source>NetPV = PMT × { ( 1 − [ 1 + IRR/12 ] ^ (−N) ) / ( IRR/12 ) } + { ( LoanBalance + Penalties + LoanCloseFees ) / ( 1 + IRR/12 ) ^ N }</source>
        <translation>VAN = PMT × { ( 1 − [ 1 + TIR/12 ] ^ (−N) ) / ( TIR/12 ) } + { ( capital pendiente + penalizaciones + gastos ) / ( 1 + TIR/12 ) ^ N }</translation>
    </message>
    <message>
        <source>Approximate Result</source>
        <translation>Resultado aproximado</translation>
    </message>
    <message>
        <source>Approximate result</source>
        <translation>Resultado aproximado</translation>
    </message>
    <message>
        <source>Go to: %1</source>
        <translation>Ir a: %1</translation>
    </message>
    <message>
        <source>Nothing inserted: this field takes at most %1 characters.</source>
        <translation>No se ha insertado nada: este campo admite como máximo %1 caracteres.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Calculation</name>
    <message>
        <source>C A L C U L A T I N G . . .</source>
        <extracomment>Shown in the result box while the search runs; letters spaced out where the script has letters.</extracomment>
        <translation>C A L C U L A N D O . . .</translation>
    </message>
    <message>
        <source>E R R O R</source>
        <translation>E R R O</translation>
    </message>
    <message>
        <source>Could not calculate IRR.</source>
        <translation>Não foi possível calcular a TIR.</translation>
    </message>
    <message>
        <source>Please enter the correct Net Present Value (Net cash disbursement).</source>
        <translation>Informe um valor presente líquido (valor líquido liberado) válido.</translation>
    </message>
    <message>
        <source>Net Present Value must be between 1.00 to 100,000,000.</source>
        <translation>O valor presente líquido deve estar entre 1,00 e 100.000.000.</translation>
    </message>
    <message>
        <source>Please enter correct duration (Number of Months).</source>
        <translation>Informe um prazo válido (número de meses).</translation>
    </message>
    <message>
        <source>Loan duration (Number of Months, N) must be between 1 to 1000.</source>
        <translation>O prazo do financiamento (número de meses, N) deve estar entre 1 e 1.000.</translation>
    </message>
    <message>
        <source>Please enter the correct monthly payment amount (PMT).</source>
        <translation>Informe um valor de parcela mensal (PMT) válido.</translation>
    </message>
    <message>
        <source>PMT must be between 0.00 to 100,000,000.</source>
        <translation>A parcela mensal (PMT) deve estar entre 0,00 e 100.000.000.</translation>
    </message>
    <message>
        <source>Please enter the correct Loan Closing Costs (Loan Balance + Prepayment Penalties + Loan Closing Fees).</source>
        <translation>Informe um valor de quitação válido (saldo devedor + multas por liquidação antecipada + custos de quitação).</translation>
    </message>
    <message>
        <source>LOAN BALANCE + PENALTIES + LOAN CLOSING FEES must be between -100,000,000. to +100,000,000.</source>
        <translation>A soma do saldo devedor, das multas e dos custos de quitação deve estar entre -100.000.000 e +100.000.000.</translation>
    </message>
    <message>
        <source>Problem in input processing.</source>
        <translation>Erro ao processar os dados informados.</translation>
    </message>
    <message>
        <source>IRR is out of range.</source>
        <translation>A TIR está fora do intervalo.</translation>
    </message>
    <message>
        <source>IRR = %1, when NPV = %2</source>
        <extracomment>%1 is the rate with its percent sign, %2 the present value it gives.</extracomment>
        <translation>TIR = %1 para um VPL de %2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erro inesperado</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chamada de procedimento ou argumento inválido</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro de capacidade</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisão por zero</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipos incompatíveis</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propriedade inválido</translation>
    </message>
    <message>
        <source>Property cannot be set at run time</source>
        <translation>A propriedade não pode ser definida em tempo de execução</translation>
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
        <translation>Este programa abrirá a seguinte página da web:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Clique em OK para continuar.</translation>
    </message>
    <message>
        <source>Sorry. It appears that opening the webpage of this program is not possible on this computer. As an alternative, you may visit following page using a web browser:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Do you want to copy the above address on the clipboard?</source>
        <translation>Desculpe. Parece que não é possível abrir a página da web deste programa neste computador. Como alternativa, você pode visitar a seguinte página em um navegador da web:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Deseja copiar o endereço acima para a área de transferência?</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>Value must be greater than or equal to -1.</source>
        <translation>O valor deve ser maior ou igual a -1.</translation>
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
        <translation>Variáveis</translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV) =</source>
        <translation>Valor líquido liberado (VPL) =</translation>
    </message>
    <message>
        <source>Net cash disburstment (for example, Loan Amount MINUS origaniting fees)</source>
        <translation>Valor líquido efetivamente liberado (por exemplo, valor do financiamento menos as tarifas de contratação)</translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV)</source>
        <translation>Valor líquido liberado (VPL)</translation>
    </message>
    <message>
        <source>Number of Months (N) =</source>
        <translation>Número de meses (N) =</translation>
    </message>
    <message>
        <source>Active Loan duration (in months)</source>
        <translation>Prazo efetivo do financiamento (em meses)</translation>
    </message>
    <message>
        <source>Number of Months (N)</source>
        <translation>Número de meses (N)</translation>
    </message>
    <message>
        <source>Monthly Payment (PMT) =</source>
        <translation>Parcela mensal (PMT) =</translation>
    </message>
    <message>
        <source>Monthly constant payment amount</source>
        <translation>Valor da parcela mensal fixa</translation>
    </message>
    <message>
        <source>Monthly Payment (PMT)</source>
        <translation>Parcela mensal (PMT)</translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees =</source>
        <translation>Saldo devedor + multas + custos de quitação =</translation>
    </message>
    <message>
        <source>Loan closing costs (Loan Balance + Prepayment Penalties + Loan Closing Fees etc)</source>
        <translation>Valor de quitação do financiamento (saldo devedor + multas por liquidação antecipada + custos de quitação etc.)</translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees</source>
        <translation>Saldo devedor + multas + custos de quitação</translation>
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
        <translation>Clique aqui para calcular a taxa interna de retorno</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Ajuda online</translation>
    </message>
    <message>
        <source>Calculation Equation</source>
        <translation>Equação de cálculo</translation>
    </message>
    <message>
        <source>IRR Calculation is based on this equation</source>
        <translation>O cálculo da TIR se baseia nesta equação</translation>
    </message>
    <message>
        <source>Calculation equation</source>
        <translation>Equação de cálculo</translation>
    </message>
    <message>
        <source>NetPV = PMT × { ( 1 − [ 1 + IRR/12 ] ^ (−N) ) / ( IRR/12 ) } + { ( LoanBalance + Penalties + LoanCloseFees ) / ( 1 + IRR/12 ) ^ N }</source>
        <translation>VPL = PMT × { ( 1 − [ 1 + TIR/12 ] ^ (−N) ) / ( TIR/12 ) } + { ( saldo devedor + multas + custos de quitação ) / ( 1 + TIR/12 ) ^ N }</translation>
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
        <translation>Ir para: %1</translation>
    </message>
    <message>
        <source>Nothing inserted: this field takes at most %1 characters.</source>
        <translation>Nada foi inserido: este campo aceita no máximo %1 caracteres.</translation>
    </message>
</context>
</TS>

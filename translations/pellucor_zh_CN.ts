<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Calculation</name>
    <message>
        <source>C A L C U L A T I N G . . .</source>
        <extracomment>Shown in the result box while the search runs; letters spaced out where the script has letters.</extracomment>
        <translation>正在计算……</translation>
    </message>
    <message>
        <source>E R R O R</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Could not calculate IRR.</source>
        <translation>无法计算 IRR。</translation>
    </message>
    <message>
        <source>Please enter the correct Net Present Value (Net cash disbursement).</source>
        <translation>请输入正确的净现值（实际到账金额）。</translation>
    </message>
    <message>
        <source>Net Present Value must be between 1.00 to 100,000,000.</source>
        <translation>净现值必须在 1.00 到 100,000,000 之间。</translation>
    </message>
    <message>
        <source>Please enter correct duration (Number of Months).</source>
        <translation>请输入正确的贷款期限（月数）。</translation>
    </message>
    <message>
        <source>Loan duration (Number of Months, N) must be between 1 to 1000.</source>
        <translation>贷款期限（月数，N）必须在 1 到 1,000 之间。</translation>
    </message>
    <message>
        <source>Please enter the correct monthly payment amount (PMT).</source>
        <translation>请输入正确的每月还款额（PMT）。</translation>
    </message>
    <message>
        <source>PMT must be between 0.00 to 100,000,000.</source>
        <translation>每月还款额（PMT）必须在 0.00 到 100,000,000 之间。</translation>
    </message>
    <message>
        <source>Please enter the correct Loan Closing Costs (Loan Balance + Prepayment Penalties + Loan Closing Fees).</source>
        <translation>请输入正确的贷款结清费用（贷款余额 + 提前还款违约金 + 贷款结清手续费）。</translation>
    </message>
    <message>
        <source>LOAN BALANCE + PENALTIES + LOAN CLOSING FEES must be between -100,000,000. to +100,000,000.</source>
        <translation>贷款余额、违约金与结清费用之和必须在 -100,000,000 到 +100,000,000 之间。</translation>
    </message>
    <message>
        <source>Problem in input processing.</source>
        <translation>处理输入时出现问题。</translation>
    </message>
    <message>
        <source>IRR is out of range.</source>
        <translation>IRR 超出范围。</translation>
    </message>
    <message>
        <source>IRR = %1, when NPV = %2</source>
        <extracomment>%1 is the rate with its percent sign, %2 the present value it gives.</extracomment>
        <translatorcomment>Terms: 内部收益率（IRR） and 净现值（NPV）; Chinese finance writes the Latin abbreviations. Net cash disbursement: 实际到账金额.</translatorcomment>
        <translation>IRR = %1（NPV = %2 时）</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>意外错误</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>无效的过程调用或参数</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>除数为零</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>类型不匹配</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>无效的属性值</translation>
    </message>
    <message>
        <source>Property cannot be set at run time</source>
        <translation>运行时不能设置此属性</translation>
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
        <translation>本程序将打开以下网页：<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
单击“确定”继续。</translation>
    </message>
    <message>
        <source>Sorry. It appears that opening the webpage of this program is not possible on this computer. As an alternative, you may visit following page using a web browser:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Do you want to copy the above address on the clipboard?</source>
        <translation>抱歉，此计算机上似乎无法打开本程序的网页。您也可以使用网页浏览器访问以下网页：<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
是否将上述地址复制到剪贴板？</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>Value must be greater than or equal to -1.</source>
        <translation>值必须大于或等于 -1。</translation>
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
        <translation>输入变量</translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV) =</source>
        <translation>实际到账金额（NPV）=</translation>
    </message>
    <message>
        <source>Net cash disburstment (for example, Loan Amount MINUS origaniting fees)</source>
        <translation>实际到账金额（例如：贷款金额减去贷款手续费）</translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV)</source>
        <translation>实际到账金额（净现值，NPV）</translation>
    </message>
    <message>
        <source>Number of Months (N) =</source>
        <translation>还款月数（N）=</translation>
    </message>
    <message>
        <source>Active Loan duration (in months)</source>
        <translation>贷款实际存续期（月数）</translation>
    </message>
    <message>
        <source>Number of Months (N)</source>
        <translation>还款月数（N）</translation>
    </message>
    <message>
        <source>Monthly Payment (PMT) =</source>
        <translation>每月还款额（PMT）=</translation>
    </message>
    <message>
        <source>Monthly constant payment amount</source>
        <translation>每月固定还款额</translation>
    </message>
    <message>
        <source>Monthly Payment (PMT)</source>
        <translation>每月还款额（PMT）</translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees =</source>
        <translation>贷款余额 + 违约金 + 结清费用 =</translation>
    </message>
    <message>
        <source>Loan closing costs (Loan Balance + Prepayment Penalties + Loan Closing Fees etc)</source>
        <translation>贷款结清费用（贷款余额 + 提前还款违约金 + 贷款结清手续费等）</translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees</source>
        <translation>贷款余额 + 提前还款违约金 + 贷款结清手续费</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Calculate IRR</source>
        <translation>计算 IRR</translation>
    </message>
    <message>
        <source>Click here to calculate Internal Rate of Return</source>
        <translation>单击此处计算内部收益率（IRR）</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>在线帮助</translation>
    </message>
    <message>
        <source>Calculation Equation</source>
        <translation>计算公式</translation>
    </message>
    <message>
        <source>IRR Calculation is based on this equation</source>
        <translation>IRR 按此公式计算</translation>
    </message>
    <message>
        <source>Calculation equation</source>
        <translation>计算公式</translation>
    </message>
    <message>
        <source>NetPV = PMT × { ( 1 − [ 1 + IRR/12 ] ^ (−N) ) / ( IRR/12 ) } + { ( LoanBalance + Penalties + LoanCloseFees ) / ( 1 + IRR/12 ) ^ N }</source>
        <translation>NPV = PMT × { ( 1 − [ 1 + IRR/12 ] ^ (−N) ) / ( IRR/12 ) } + { ( 贷款余额 + 违约金 + 结清费用 ) / ( 1 + IRR/12 ) ^ N }</translation>
    </message>
    <message>
        <source>Approximate Result</source>
        <translation>近似结果</translation>
    </message>
    <message>
        <source>Approximate result</source>
        <translation>近似结果</translation>
    </message>
    <message>
        <source>Go to: %1</source>
        <translation>转到：%1</translation>
    </message>
    <message>
        <source>Nothing inserted: this field takes at most %1 characters.</source>
        <translation>未插入任何内容：此字段最多只能输入 %1 个字符。</translation>
    </message>
</context>
</TS>

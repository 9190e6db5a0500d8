<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Calculation</name>
    <message>
        <source>C A L C U L A T I N G . . .</source>
        <extracomment>Shown in the result box while the search runs; letters spaced out where the script has letters.</extracomment>
        <translation>計算中…</translation>
    </message>
    <message>
        <source>E R R O R</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Could not calculate IRR.</source>
        <translation>IRRを計算できませんでした。</translation>
    </message>
    <message>
        <source>Please enter the correct Net Present Value (Net cash disbursement).</source>
        <translation>正しい正味現在価値（実質受取額）を入力してください。</translation>
    </message>
    <message>
        <source>Net Present Value must be between 1.00 to 100,000,000.</source>
        <translation>正味現在価値は1.00～100,000,000の範囲で入力してください。</translation>
    </message>
    <message>
        <source>Please enter correct duration (Number of Months).</source>
        <translation>正しいローン期間（月数）を入力してください。</translation>
    </message>
    <message>
        <source>Loan duration (Number of Months, N) must be between 1 to 1000.</source>
        <translation>ローン期間（月数、N）は1～1,000の範囲で入力してください。</translation>
    </message>
    <message>
        <source>Please enter the correct monthly payment amount (PMT).</source>
        <translation>正しい毎月の返済額（PMT）を入力してください。</translation>
    </message>
    <message>
        <source>PMT must be between 0.00 to 100,000,000.</source>
        <translation>毎月の返済額（PMT）は0.00～100,000,000の範囲で入力してください。</translation>
    </message>
    <message>
        <source>Please enter the correct Loan Closing Costs (Loan Balance + Prepayment Penalties + Loan Closing Fees).</source>
        <translation>正しいローン完済費用（ローン残高＋繰上返済違約金＋完済手数料）を入力してください。</translation>
    </message>
    <message>
        <source>LOAN BALANCE + PENALTIES + LOAN CLOSING FEES must be between -100,000,000. to +100,000,000.</source>
        <translation>ローン残高＋違約金＋完済手数料の合計は-100,000,000～+100,000,000の範囲で入力してください。</translation>
    </message>
    <message>
        <source>Problem in input processing.</source>
        <translation>入力の処理中に問題が発生しました。</translation>
    </message>
    <message>
        <source>IRR is out of range.</source>
        <translation>IRRが範囲外です。</translation>
    </message>
    <message>
        <source>IRR = %1, when NPV = %2</source>
        <extracomment>%1 is the rate with its percent sign, %2 the present value it gives.</extracomment>
        <translatorcomment>Terms: 内部収益率（IRR） and 正味現在価値（NPV）; Japanese finance writes the Latin abbreviations. Net cash disbursement: 実質受取額; mortgage loan: 住宅ローン.</translatorcomment>
        <translation>IRR = %1（NPV = %2 のとき）</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>予期しないエラー</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>プロシージャの呼び出し、または引数が不正です</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>オーバーフロー</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>0による除算</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>型が一致しません</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>プロパティの値が不正です</translation>
    </message>
    <message>
        <source>Property cannot be set at run time</source>
        <translation>このプロパティは実行時には設定できません</translation>
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
        <translation>次のウェブページを開きます：<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
続行するには [OK] をクリックしてください。</translation>
    </message>
    <message>
        <source>Sorry. It appears that opening the webpage of this program is not possible on this computer. As an alternative, you may visit following page using a web browser:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Do you want to copy the above address on the clipboard?</source>
        <translation>申し訳ありません。このコンピューターでは、このプログラムのウェブページを開けないようです。代わりに、ウェブブラウザーで次のページを開いてください：<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
上記のアドレスをクリップボードにコピーしますか？</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>Value must be greater than or equal to -1.</source>
        <translation>値は-1以上である必要があります。</translation>
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
        <translation>入力値</translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV) =</source>
        <translation>実質受取額（NPV）＝</translation>
    </message>
    <message>
        <source>Net cash disburstment (for example, Loan Amount MINUS origaniting fees)</source>
        <translation>実質受取額（例：借入額から融資手数料を差し引いた額）</translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV)</source>
        <translation>実質受取額（正味現在価値、NPV）</translation>
    </message>
    <message>
        <source>Number of Months (N) =</source>
        <translation>返済月数（N）＝</translation>
    </message>
    <message>
        <source>Active Loan duration (in months)</source>
        <translation>ローンの実際の返済期間（月数）</translation>
    </message>
    <message>
        <source>Number of Months (N)</source>
        <translation>返済月数（N）</translation>
    </message>
    <message>
        <source>Monthly Payment (PMT) =</source>
        <translation>毎月の返済額（PMT）＝</translation>
    </message>
    <message>
        <source>Monthly constant payment amount</source>
        <translation>毎月の定額返済額</translation>
    </message>
    <message>
        <source>Monthly Payment (PMT)</source>
        <translation>毎月の返済額（PMT）</translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees =</source>
        <translation>ローン残高＋違約金＋完済手数料＝</translation>
    </message>
    <message>
        <source>Loan closing costs (Loan Balance + Prepayment Penalties + Loan Closing Fees etc)</source>
        <translation>ローン完済費用（ローン残高＋繰上返済違約金＋完済手数料など）</translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees</source>
        <translation>ローン残高＋繰上返済違約金＋完済手数料</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Calculate IRR</source>
        <translation>IRRを計算</translation>
    </message>
    <message>
        <source>Click here to calculate Internal Rate of Return</source>
        <translation>クリックすると内部収益率（IRR）を計算します</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>オンラインヘルプ</translation>
    </message>
    <message>
        <source>Calculation Equation</source>
        <translation>計算式</translation>
    </message>
    <message>
        <source>IRR Calculation is based on this equation</source>
        <translation>IRRはこの式に基づいて計算されます</translation>
    </message>
    <message>
        <source>Calculation equation</source>
        <translation>計算式</translation>
    </message>
    <message>
        <source>NetPV = PMT × { ( 1 − [ 1 + IRR/12 ] ^ (−N) ) / ( IRR/12 ) } + { ( LoanBalance + Penalties + LoanCloseFees ) / ( 1 + IRR/12 ) ^ N }</source>
        <translation>NPV = PMT × { ( 1 − [ 1 + IRR/12 ] ^ (−N) ) / ( IRR/12 ) } + { ( ローン残高 + 違約金 + 完済手数料 ) / ( 1 + IRR/12 ) ^ N }</translation>
    </message>
    <message>
        <source>Approximate Result</source>
        <translation>計算結果（近似値）</translation>
    </message>
    <message>
        <source>Approximate result</source>
        <translation>計算結果（近似値）</translation>
    </message>
    <message>
        <source>Go to: %1</source>
        <translation>リンク先: %1</translation>
    </message>
    <message>
        <source>Nothing inserted: this field takes at most %1 characters.</source>
        <translation>貼り付けは行われませんでした。この欄に入力できるのは%1文字までです。</translation>
    </message>
</context>
</TS>

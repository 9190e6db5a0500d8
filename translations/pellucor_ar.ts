<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>Calculation</name>
    <message>
        <source>C A L C U L A T I N G . . .</source>
        <extracomment>Shown in the result box while the search runs; letters spaced out where the script has letters.</extracomment>
        <translation>جارٍ الحساب…</translation>
    </message>
    <message>
        <source>E R R O R</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Could not calculate IRR.</source>
        <translation>تعذّر حساب معدل العائد الداخلي.</translation>
    </message>
    <message>
        <source>Please enter the correct Net Present Value (Net cash disbursement).</source>
        <translation>يُرجى إدخال قيمة صحيحة لصافي القيمة الحالية (صافي المبلغ المصروف).</translation>
    </message>
    <message>
        <source>Net Present Value must be between 1.00 to 100,000,000.</source>
        <translation>يجب أن يكون صافي القيمة الحالية بين ١٫٠٠ و١٠٠٬٠٠٠٬٠٠٠.</translation>
    </message>
    <message>
        <source>Please enter correct duration (Number of Months).</source>
        <translation>يُرجى إدخال مدة صحيحة للقرض (عدد الأشهر).</translation>
    </message>
    <message>
        <source>Loan duration (Number of Months, N) must be between 1 to 1000.</source>
        <translation>يجب أن تكون مدة القرض (عدد الأشهر، N) بين ١ و١٬٠٠٠.</translation>
    </message>
    <message>
        <source>Please enter the correct monthly payment amount (PMT).</source>
        <translation>يُرجى إدخال مبلغ صحيح للقسط الشهري (PMT).</translation>
    </message>
    <message>
        <source>PMT must be between 0.00 to 100,000,000.</source>
        <translation>يجب أن يكون القسط الشهري (PMT) بين ٠٫٠٠ و١٠٠٬٠٠٠٬٠٠٠.</translation>
    </message>
    <message>
        <source>Please enter the correct Loan Closing Costs (Loan Balance + Prepayment Penalties + Loan Closing Fees).</source>
        <translation>يُرجى إدخال تكاليف صحيحة لإغلاق القرض (رصيد القرض + غرامات السداد المبكر + رسوم إغلاق القرض).</translation>
    </message>
    <message>
        <source>LOAN BALANCE + PENALTIES + LOAN CLOSING FEES must be between -100,000,000. to +100,000,000.</source>
        <translation>يجب أن يكون مجموع رصيد القرض والغرامات ورسوم الإغلاق بين ؜-١٠٠٬٠٠٠٬٠٠٠ و؜+١٠٠٬٠٠٠٬٠٠٠.</translation>
    </message>
    <message>
        <source>Problem in input processing.</source>
        <translation>حدثت مشكلة أثناء معالجة المدخلات.</translation>
    </message>
    <message>
        <source>IRR is out of range.</source>
        <translation>معدل العائد الداخلي خارج النطاق.</translation>
    </message>
    <message>
        <source>IRR = %1, when NPV = %2</source>
        <extracomment>%1 is the rate with its percent sign, %2 the present value it gives.</extracomment>
        <translatorcomment>Terms: معدل العائد الداخلي (IRR) and صافي القيمة الحالية (NPV); the Latin abbreviations where space is short (captions, button), the Arabic terms in sentences. Figures in Arabic-Indic digits with ٫ and ٬, as QLocale writes Arabic.</translatorcomment>
        <translation>معدل العائد الداخلي = %1، عند صافي القيمة الحالية = %2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>نفدت الذاكرة</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>خطأ غير متوقع</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>استدعاء إجراء أو وسيطة غير صالحة</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>تجاوز السعة</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>القسمة على صفر</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>عدم تطابق النوع</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>قيمة خاصية غير صالحة</translation>
    </message>
    <message>
        <source>Property cannot be set at run time</source>
        <translation>لا يمكن تعيين هذه الخاصية أثناء التشغيل</translation>
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
        <translation>سيفتح هذا البرنامج صفحة الويب التالية:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
انقر «حسنًا» للمتابعة.</translation>
    </message>
    <message>
        <source>Sorry. It appears that opening the webpage of this program is not possible on this computer. As an alternative, you may visit following page using a web browser:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Do you want to copy the above address on the clipboard?</source>
        <translation>عذرًا، يبدو أن فتح صفحة الويب الخاصة بهذا البرنامج غير ممكن على هذا الكمبيوتر. يمكنك بدلًا من ذلك زيارة الصفحة التالية باستخدام متصفح ويب:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
هل تريد نسخ العنوان أعلاه إلى الحافظة؟</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>Value must be greater than or equal to -1.</source>
        <translation>يجب أن تكون القيمة أكبر من ؜-١ أو مساوية له.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Variables</source>
        <translation>المتغيرات</translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV) =</source>
        <translation>صافي المبلغ المصروف (NPV) =</translation>
    </message>
    <message>
        <source>Net cash disburstment (for example, Loan Amount MINUS origaniting fees)</source>
        <translation>صافي المبلغ المصروف (مثلًا: مبلغ القرض ناقص رسوم منح القرض)</translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV)</source>
        <translation>صافي المبلغ المصروف (صافي القيمة الحالية، NPV)</translation>
    </message>
    <message>
        <source>Number of Months (N) =</source>
        <translation>عدد الأشهر (N) =</translation>
    </message>
    <message>
        <source>Active Loan duration (in months)</source>
        <translation>المدة الفعلية للقرض (بالأشهر)</translation>
    </message>
    <message>
        <source>Number of Months (N)</source>
        <translation>عدد الأشهر (N)</translation>
    </message>
    <message>
        <source>Monthly Payment (PMT) =</source>
        <translation>القسط الشهري (PMT) =</translation>
    </message>
    <message>
        <source>Monthly constant payment amount</source>
        <translation>مبلغ القسط الشهري الثابت</translation>
    </message>
    <message>
        <source>Monthly Payment (PMT)</source>
        <translation>القسط الشهري (PMT)</translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees =</source>
        <translation>رصيد القرض + الغرامات + رسوم الإغلاق =</translation>
    </message>
    <message>
        <source>Loan closing costs (Loan Balance + Prepayment Penalties + Loan Closing Fees etc)</source>
        <translation>تكاليف إغلاق القرض (رصيد القرض + غرامات السداد المبكر + رسوم إغلاق القرض وغيرها)</translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees</source>
        <translation>رصيد القرض + غرامات السداد المبكر + رسوم إغلاق القرض</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>الأوامر</translation>
    </message>
    <message>
        <source>Calculate IRR</source>
        <translation>احسب IRR</translation>
    </message>
    <message>
        <source>Click here to calculate Internal Rate of Return</source>
        <translation>انقر هنا لحساب معدل العائد الداخلي (IRR)</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>مساعدة الويب</translation>
    </message>
    <message>
        <source>Calculation Equation</source>
        <translation>معادلة الحساب</translation>
    </message>
    <message>
        <source>IRR Calculation is based on this equation</source>
        <translation>يستند حساب معدل العائد الداخلي إلى هذه المعادلة</translation>
    </message>
    <message>
        <source>Calculation equation</source>
        <translation>معادلة الحساب</translation>
    </message>
    <message>
        <source>NetPV = PMT × { ( 1 − [ 1 + IRR/12 ] ^ (−N) ) / ( IRR/12 ) } + { ( LoanBalance + Penalties + LoanCloseFees ) / ( 1 + IRR/12 ) ^ N }</source>
        <translation>NPV = PMT × { ( 1 − [ 1 + IRR/12 ] ^ (−N) ) / ( IRR/12 ) } + { ( رصيد القرض + الغرامات + رسوم الإغلاق ) / ( 1 + IRR/12 ) ^ N }</translation>
    </message>
    <message>
        <source>Approximate Result</source>
        <translation>النتيجة التقريبية</translation>
    </message>
    <message>
        <source>Approximate result</source>
        <translation>النتيجة التقريبية</translation>
    </message>
    <message>
        <source>Go to: %1</source>
        <translation>الانتقال إلى: %1</translation>
    </message>
    <message>
        <source>Nothing inserted: this field takes at most %1 characters.</source>
        <translation>لم يُدرَج أي شيء: لا يقبل هذا الحقل أكثر من %1 حرفًا.</translation>
    </message>
</context>
</TS>

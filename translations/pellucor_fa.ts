<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa_IR">
<context>
    <name>Calculation</name>
    <message>
        <source>C A L C U L A T I N G . . .</source>
        <extracomment>Shown in the result box while the search runs; letters spaced out where the script has letters.</extracomment>
        <translation>در حال محاسبه…</translation>
    </message>
    <message>
        <source>E R R O R</source>
        <translation>خطا</translation>
    </message>
    <message>
        <source>Could not calculate IRR.</source>
        <translation>محاسبه نرخ بازده داخلی ممکن نشد.</translation>
    </message>
    <message>
        <source>Please enter the correct Net Present Value (Net cash disbursement).</source>
        <translation>لطفاً ارزش فعلی خالص (خالص مبلغ پرداختی) را درست وارد کنید.</translation>
    </message>
    <message>
        <source>Net Present Value must be between 1.00 to 100,000,000.</source>
        <translation>ارزش فعلی خالص باید بین ۱٫۰۰ و ۱۰۰٬۰۰۰٬۰۰۰ باشد.</translation>
    </message>
    <message>
        <source>Please enter correct duration (Number of Months).</source>
        <translation>لطفاً مدت وام (تعداد ماه‌ها) را درست وارد کنید.</translation>
    </message>
    <message>
        <source>Loan duration (Number of Months, N) must be between 1 to 1000.</source>
        <translation>مدت وام (تعداد ماه‌ها، N) باید بین ۱ و ۱٬۰۰۰ باشد.</translation>
    </message>
    <message>
        <source>Please enter the correct monthly payment amount (PMT).</source>
        <translation>لطفاً مبلغ قسط ماهانه (PMT) را درست وارد کنید.</translation>
    </message>
    <message>
        <source>PMT must be between 0.00 to 100,000,000.</source>
        <translation>قسط ماهانه (PMT) باید بین ۰٫۰۰ و ۱۰۰٬۰۰۰٬۰۰۰ باشد.</translation>
    </message>
    <message>
        <source>Please enter the correct Loan Closing Costs (Loan Balance + Prepayment Penalties + Loan Closing Fees).</source>
        <translation>لطفاً هزینه‌های تسویه وام (مانده وام + جریمه‌های تسویه زودهنگام + کارمزدهای تسویه وام) را درست وارد کنید.</translation>
    </message>
    <message>
        <source>LOAN BALANCE + PENALTIES + LOAN CLOSING FEES must be between -100,000,000. to +100,000,000.</source>
        <translation>مجموع مانده وام، جریمه‌ها و هزینه‌های تسویه باید بین ‎−۱۰۰٬۰۰۰٬۰۰۰ و ‎+۱۰۰٬۰۰۰٬۰۰۰ باشد.</translation>
    </message>
    <message>
        <source>Problem in input processing.</source>
        <translation>در پردازش ورودی‌ها مشکلی پیش آمد.</translation>
    </message>
    <message>
        <source>IRR is out of range.</source>
        <translation>نرخ بازده داخلی خارج از محدوده است.</translation>
    </message>
    <message>
        <source>IRR = %1, when NPV = %2</source>
        <extracomment>%1 is the rate with its percent sign, %2 the present value it gives.</extracomment>
        <translatorcomment>Terms: نرخ بازده داخلی (IRR) and ارزش فعلی خالص (NPV); the Latin abbreviations where space is short (captions, button), the Persian terms in sentences. Figures in Persian digits with ٫ and ٬, as QLocale writes fa_IR.</translatorcomment>
        <translation>نرخ بازده داخلی = %1، به ازای ارزش فعلی خالص = %2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>حافظه کافی نیست</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>خطای غیرمنتظره</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>فراخوانی رویه یا آرگومان نامعتبر</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>سرریز</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>تقسیم بر صفر</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>ناسازگاری نوع</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>مقدار ویژگی نامعتبر</translation>
    </message>
    <message>
        <source>Property cannot be set at run time</source>
        <translation>این ویژگی را نمی‌توان در زمان اجرا تنظیم کرد</translation>
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
        <translation>این برنامه صفحه وب زیر را باز می‌کند:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
برای ادامه، روی «تأیید» کلیک کنید.</translation>
    </message>
    <message>
        <source>Sorry. It appears that opening the webpage of this program is not possible on this computer. As an alternative, you may visit following page using a web browser:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Do you want to copy the above address on the clipboard?</source>
        <translation>متأسفیم. به نظر می‌رسد باز کردن صفحه وب این برنامه روی این رایانه ممکن نیست. به جای آن می‌توانید صفحه زیر را با یک مرورگر وب باز کنید:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
آیا نشانی بالا در کلیپ‌بورد کپی شود؟</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>Value must be greater than or equal to -1.</source>
        <translation>مقدار باید بزرگ‌تر از ‎−۱ یا برابر با آن باشد.</translation>
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
        <translation>متغیرها</translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV) =</source>
        <translation>خالص مبلغ پرداختی (NPV) =</translation>
    </message>
    <message>
        <source>Net cash disburstment (for example, Loan Amount MINUS origaniting fees)</source>
        <translation>خالص مبلغ پرداختی (برای نمونه، مبلغ وام منهای کارمزد اعطای وام)</translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV)</source>
        <translation>خالص مبلغ پرداختی (ارزش فعلی خالص، NPV)</translation>
    </message>
    <message>
        <source>Number of Months (N) =</source>
        <translation>تعداد ماه‌ها (N) =</translation>
    </message>
    <message>
        <source>Active Loan duration (in months)</source>
        <translation>مدت واقعی وام (به ماه)</translation>
    </message>
    <message>
        <source>Number of Months (N)</source>
        <translation>تعداد ماه‌ها (N)</translation>
    </message>
    <message>
        <source>Monthly Payment (PMT) =</source>
        <translation>قسط ماهانه (PMT) =</translation>
    </message>
    <message>
        <source>Monthly constant payment amount</source>
        <translation>مبلغ ثابت قسط ماهانه</translation>
    </message>
    <message>
        <source>Monthly Payment (PMT)</source>
        <translation>قسط ماهانه (PMT)</translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees =</source>
        <translation>مانده وام + جریمه‌ها + هزینه‌های تسویه =</translation>
    </message>
    <message>
        <source>Loan closing costs (Loan Balance + Prepayment Penalties + Loan Closing Fees etc)</source>
        <translation>هزینه‌های تسویه وام (مانده وام + جریمه‌های تسویه زودهنگام + کارمزدهای تسویه وام و غیره)</translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees</source>
        <translation>مانده وام + جریمه‌های تسویه زودهنگام + کارمزدهای تسویه وام</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>فرمان‌ها</translation>
    </message>
    <message>
        <source>Calculate IRR</source>
        <translation>محاسبه IRR</translation>
    </message>
    <message>
        <source>Click here to calculate Internal Rate of Return</source>
        <translation>برای محاسبه نرخ بازده داخلی (IRR) اینجا کلیک کنید</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>راهنمای آنلاین</translation>
    </message>
    <message>
        <source>Calculation Equation</source>
        <translation>معادله محاسبه</translation>
    </message>
    <message>
        <source>IRR Calculation is based on this equation</source>
        <translation>محاسبه نرخ بازده داخلی بر پایه این معادله است</translation>
    </message>
    <message>
        <source>Calculation equation</source>
        <translation>معادله محاسبه</translation>
    </message>
    <message>
        <source>NetPV = PMT × { ( 1 − [ 1 + IRR/12 ] ^ (−N) ) / ( IRR/12 ) } + { ( LoanBalance + Penalties + LoanCloseFees ) / ( 1 + IRR/12 ) ^ N }</source>
        <translation>NPV = PMT × { ( 1 − [ 1 + IRR/12 ] ^ (−N) ) / ( IRR/12 ) } + { ( مانده وام + جریمه‌ها + هزینه‌های تسویه ) / ( 1 + IRR/12 ) ^ N }</translation>
    </message>
    <message>
        <source>Approximate Result</source>
        <translation>نتیجه تقریبی</translation>
    </message>
    <message>
        <source>Approximate result</source>
        <translation>نتیجه تقریبی</translation>
    </message>
    <message>
        <source>Go to: %1</source>
        <translation>رفتن به: %1</translation>
    </message>
    <message>
        <source>Nothing inserted: this field takes at most %1 characters.</source>
        <translation>چیزی درج نشد: این فیلد حداکثر %1 نویسه می‌پذیرد.</translation>
    </message>
</context>
</TS>

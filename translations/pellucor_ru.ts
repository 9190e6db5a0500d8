<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Calculation</name>
    <message>
        <source>C A L C U L A T I N G . . .</source>
        <extracomment>Shown in the result box while the search runs; letters spaced out where the script has letters.</extracomment>
        <translation>Р А С Ч Ё Т . . .</translation>
    </message>
    <message>
        <source>E R R O R</source>
        <translation>О Ш И Б К А</translation>
    </message>
    <message>
        <source>Could not calculate IRR.</source>
        <translation>Не удалось рассчитать ВНД.</translation>
    </message>
    <message>
        <source>Please enter the correct Net Present Value (Net cash disbursement).</source>
        <translation>Введите правильное значение чистой приведённой стоимости (чистой суммы выдачи).</translation>
    </message>
    <message>
        <source>Net Present Value must be between 1.00 to 100,000,000.</source>
        <translation>Чистая приведённая стоимость должна быть в пределах от 1,00 до 100&#xa0;000&#xa0;000.</translation>
    </message>
    <message>
        <source>Please enter correct duration (Number of Months).</source>
        <translation>Введите правильный срок (количество месяцев).</translation>
    </message>
    <message>
        <source>Loan duration (Number of Months, N) must be between 1 to 1000.</source>
        <translation>Срок кредита (количество месяцев, N) должен быть в пределах от 1 до 1&#xa0;000.</translation>
    </message>
    <message>
        <source>Please enter the correct monthly payment amount (PMT).</source>
        <translation>Введите правильную сумму ежемесячного платежа (PMT).</translation>
    </message>
    <message>
        <source>PMT must be between 0.00 to 100,000,000.</source>
        <translation>Ежемесячный платёж (PMT) должен быть в пределах от 0,00 до 100&#xa0;000&#xa0;000.</translation>
    </message>
    <message>
        <source>Please enter the correct Loan Closing Costs (Loan Balance + Prepayment Penalties + Loan Closing Fees).</source>
        <translation>Введите правильную сумму расходов на закрытие кредита (остаток долга + штрафы за досрочное погашение + комиссии за закрытие кредита).</translation>
    </message>
    <message>
        <source>LOAN BALANCE + PENALTIES + LOAN CLOSING FEES must be between -100,000,000. to +100,000,000.</source>
        <translation>Сумма остатка долга, штрафов и комиссий за закрытие кредита должна быть в пределах от -100&#xa0;000&#xa0;000 до +100&#xa0;000&#xa0;000.</translation>
    </message>
    <message>
        <source>Problem in input processing.</source>
        <translation>Ошибка при обработке введённых данных.</translation>
    </message>
    <message>
        <source>IRR is out of range.</source>
        <translation>ВНД вне допустимого диапазона.</translation>
    </message>
    <message>
        <source>IRR = %1, when NPV = %2</source>
        <extracomment>%1 is the rate with its percent sign, %2 the present value it gives.</extracomment>
        <translatorcomment>Terms: внутренняя норма доходности (ВНД) and чистая приведённая стоимость (ЧПС), the Russian abbreviations of investment analysis and banking. Net cash disbursement: чистая сумма выдачи.</translatorcomment>
        <translation>ВНД = %1 при ЧПС = %2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Непредвиденная ошибка</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Недопустимый вызов процедуры или аргумент</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Деление на ноль</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Несоответствие типов</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Недопустимое значение свойства</translation>
    </message>
    <message>
        <source>Property cannot be set at run time</source>
        <translation>Это свойство нельзя задать во время выполнения</translation>
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
        <translation>Программа откроет следующую веб-страницу:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Нажмите OK, чтобы продолжить.</translation>
    </message>
    <message>
        <source>Sorry. It appears that opening the webpage of this program is not possible on this computer. As an alternative, you may visit following page using a web browser:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Do you want to copy the above address on the clipboard?</source>
        <translation>К сожалению, на этом компьютере, по-видимому, невозможно открыть веб-страницу программы. Вместо этого вы можете открыть следующую страницу в веб-браузере:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Скопировать указанный выше адрес в буфер обмена?</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>Value must be greater than or equal to -1.</source>
        <translation>Значение должно быть больше или равно -1.</translation>
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
        <translation>Исходные данные</translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV) =</source>
        <translation>Чистая сумма выдачи (ЧПС) =</translation>
    </message>
    <message>
        <source>Net cash disburstment (for example, Loan Amount MINUS origaniting fees)</source>
        <translation>Чистая сумма выдачи (например, сумма кредита МИНУС комиссия за выдачу)</translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV)</source>
        <translation>Чистая сумма выдачи (чистая приведённая стоимость, ЧПС)</translation>
    </message>
    <message>
        <source>Number of Months (N) =</source>
        <translation>Количество месяцев (N) =</translation>
    </message>
    <message>
        <source>Active Loan duration (in months)</source>
        <translation>Фактический срок кредита (в месяцах)</translation>
    </message>
    <message>
        <source>Number of Months (N)</source>
        <translation>Количество месяцев (N)</translation>
    </message>
    <message>
        <source>Monthly Payment (PMT) =</source>
        <translation>Ежемесячный платёж (PMT) =</translation>
    </message>
    <message>
        <source>Monthly constant payment amount</source>
        <translation>Сумма фиксированного ежемесячного платежа</translation>
    </message>
    <message>
        <source>Monthly Payment (PMT)</source>
        <translation>Ежемесячный платёж (PMT)</translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees =</source>
        <translation>Остаток долга + штрафы + комиссии =</translation>
    </message>
    <message>
        <source>Loan closing costs (Loan Balance + Prepayment Penalties + Loan Closing Fees etc)</source>
        <translation>Расходы на закрытие кредита (остаток долга + штрафы за досрочное погашение + комиссии за закрытие кредита и т.&#xa0;п.)</translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees</source>
        <translation>Остаток долга + штрафы за досрочное погашение + комиссии за закрытие кредита</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Команды</translation>
    </message>
    <message>
        <source>Calculate IRR</source>
        <translation>Расчёт ВНД</translation>
    </message>
    <message>
        <source>Click here to calculate Internal Rate of Return</source>
        <translation>Нажмите, чтобы рассчитать внутреннюю норму доходности (ВНД)</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Веб-справка</translation>
    </message>
    <message>
        <source>Calculation Equation</source>
        <translation>Расчётная формула</translation>
    </message>
    <message>
        <source>IRR Calculation is based on this equation</source>
        <translation>Расчёт ВНД основан на этой формуле</translation>
    </message>
    <message>
        <source>Calculation equation</source>
        <translation>Расчётная формула</translation>
    </message>
    <message>
        <source>NetPV = PMT × { ( 1 − [ 1 + IRR/12 ] ^ (−N) ) / ( IRR/12 ) } + { ( LoanBalance + Penalties + LoanCloseFees ) / ( 1 + IRR/12 ) ^ N }</source>
        <translation>ЧПС = PMT × { ( 1 − [ 1 + ВНД/12 ] ^ (−N) ) / ( ВНД/12 ) } + { ( остаток долга + штрафы + комиссии за закрытие ) / ( 1 + ВНД/12 ) ^ N }</translation>
    </message>
    <message>
        <source>Approximate Result</source>
        <translation>Приблизительный результат</translation>
    </message>
    <message>
        <source>Approximate result</source>
        <translation>Приблизительный результат</translation>
    </message>
    <message>
        <source>Go to: %1</source>
        <translation>Перейти по адресу: %1</translation>
    </message>
    <message>
        <source>Nothing inserted: this field takes at most %1 characters.</source>
        <translation>Ничего не вставлено: это поле вмещает не более %1 символов.</translation>
    </message>
</context>
</TS>

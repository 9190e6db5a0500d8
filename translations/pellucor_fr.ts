<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Calculation</name>
    <message>
        <source>C A L C U L A T I N G . . .</source>
        <extracomment>Shown in the result box while the search runs; letters spaced out where the script has letters.</extracomment>
        <translation>C A L C U L   E N   C O U R S . . .</translation>
    </message>
    <message>
        <source>E R R O R</source>
        <translation>E R R E U R</translation>
    </message>
    <message>
        <source>Could not calculate IRR.</source>
        <translation>Impossible de calculer le TRI.</translation>
    </message>
    <message>
        <source>Please enter the correct Net Present Value (Net cash disbursement).</source>
        <translation>Veuillez saisir une valeur actuelle nette (montant net décaissé) correcte.</translation>
    </message>
    <message>
        <source>Net Present Value must be between 1.00 to 100,000,000.</source>
        <translation>La valeur actuelle nette doit être comprise entre 1,00 et 100&#x202f;000&#x202f;000.</translation>
    </message>
    <message>
        <source>Please enter correct duration (Number of Months).</source>
        <translation>Veuillez saisir une durée correcte (nombre de mois).</translation>
    </message>
    <message>
        <source>Loan duration (Number of Months, N) must be between 1 to 1000.</source>
        <translation>La durée du prêt (nombre de mois, N) doit être comprise entre 1 et 1&#x202f;000.</translation>
    </message>
    <message>
        <source>Please enter the correct monthly payment amount (PMT).</source>
        <translation>Veuillez saisir une mensualité (PMT) correcte.</translation>
    </message>
    <message>
        <source>PMT must be between 0.00 to 100,000,000.</source>
        <translation>La mensualité (PMT) doit être comprise entre 0,00 et 100&#x202f;000&#x202f;000.</translation>
    </message>
    <message>
        <source>Please enter the correct Loan Closing Costs (Loan Balance + Prepayment Penalties + Loan Closing Fees).</source>
        <translation>Veuillez saisir un montant de clôture correct (capital restant dû + indemnités de remboursement anticipé + frais de clôture).</translation>
    </message>
    <message>
        <source>LOAN BALANCE + PENALTIES + LOAN CLOSING FEES must be between -100,000,000. to +100,000,000.</source>
        <translation>La somme du capital restant dû, des indemnités de remboursement anticipé et des frais de clôture doit être comprise entre -100&#x202f;000&#x202f;000 et +100&#x202f;000&#x202f;000.</translation>
    </message>
    <message>
        <source>Problem in input processing.</source>
        <translation>Erreur lors du traitement des données saisies.</translation>
    </message>
    <message>
        <source>IRR is out of range.</source>
        <translation>Le TRI est hors de la plage de calcul.</translation>
    </message>
    <message>
        <source>IRR = %1, when NPV = %2</source>
        <extracomment>%1 is the rate with its percent sign, %2 the present value it gives.</extracomment>
        <translation>TRI = %1 pour une VAN de %2</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Erreur inattendue</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument non valide</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Type incompatible</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
    <message>
        <source>Property cannot be set at run time</source>
        <translation>Impossible de définir la propriété pendant l&apos;exécution</translation>
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
        <translation>Ce programme va ouvrir la page web suivante&#xa0;:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Cliquez sur OK pour continuer.</translation>
    </message>
    <message>
        <source>Sorry. It appears that opening the webpage of this program is not possible on this computer. As an alternative, you may visit following page using a web browser:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Do you want to copy the above address on the clipboard?</source>
        <translation>Désolé. Il semble impossible d&apos;ouvrir la page web de ce programme sur cet ordinateur. Vous pouvez aussi consulter la page suivante dans un navigateur web&#xa0;:<byte value="xd"/>
<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
Voulez-vous copier l&apos;adresse ci-dessus dans le presse-papiers&#x202f;?</translation>
    </message>
</context>
<context>
    <name>ProgressBar</name>
    <message>
        <source>Value must be greater than or equal to -1.</source>
        <translation>La valeur doit être supérieure ou égale à -1.</translation>
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
        <translation>Données</translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV) =</source>
        <translation>Montant net décaissé (VAN) =</translation>
    </message>
    <message>
        <source>Net cash disburstment (for example, Loan Amount MINUS origaniting fees)</source>
        <translation>Montant net effectivement versé (par exemple, montant du prêt moins les frais de dossier)</translation>
    </message>
    <message>
        <source>Net cash disbursement (Net PV or NPV)</source>
        <translation>Montant net décaissé (VAN)</translation>
    </message>
    <message>
        <source>Number of Months (N) =</source>
        <translation>Nombre de mois (N) =</translation>
    </message>
    <message>
        <source>Active Loan duration (in months)</source>
        <translation>Durée effective du prêt (en mois)</translation>
    </message>
    <message>
        <source>Number of Months (N)</source>
        <translation>Nombre de mois (N)</translation>
    </message>
    <message>
        <source>Monthly Payment (PMT) =</source>
        <translation>Mensualité (PMT) =</translation>
    </message>
    <message>
        <source>Monthly constant payment amount</source>
        <translation>Montant de la mensualité constante</translation>
    </message>
    <message>
        <source>Monthly Payment (PMT)</source>
        <translation>Mensualité (PMT)</translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees =</source>
        <translation>Capital restant dû + IRA + frais de clôture =</translation>
    </message>
    <message>
        <source>Loan closing costs (Loan Balance + Prepayment Penalties + Loan Closing Fees etc)</source>
        <translation>Montant dû à la clôture du prêt (capital restant dû + indemnités de remboursement anticipé + frais de clôture, etc.)</translation>
    </message>
    <message>
        <source>Loan Balance + Penalties + Loan Closing Fees</source>
        <translation>Capital restant dû + IRA + frais de clôture</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Calculate IRR</source>
        <translation>Calculer le TRI</translation>
    </message>
    <message>
        <source>Click here to calculate Internal Rate of Return</source>
        <translation>Cliquez ici pour calculer le taux de rendement interne</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Aide en ligne</translation>
    </message>
    <message>
        <source>Calculation Equation</source>
        <translation>Équation de calcul</translation>
    </message>
    <message>
        <source>IRR Calculation is based on this equation</source>
        <translation>Le calcul du TRI repose sur cette équation</translation>
    </message>
    <message>
        <source>Calculation equation</source>
        <translation>Équation de calcul</translation>
    </message>
    <message>
        <source>NetPV = PMT × { ( 1 − [ 1 + IRR/12 ] ^ (−N) ) / ( IRR/12 ) } + { ( LoanBalance + Penalties + LoanCloseFees ) / ( 1 + IRR/12 ) ^ N }</source>
        <translation>VAN = PMT × { ( 1 − [ 1 + TRI/12 ] ^ (−N) ) / ( TRI/12 ) } + { ( capital restant dû + IRA + frais de clôture ) / ( 1 + TRI/12 ) ^ N }</translation>
    </message>
    <message>
        <source>Approximate Result</source>
        <translation>Résultat approché</translation>
    </message>
    <message>
        <source>Approximate result</source>
        <translation>Résultat approché</translation>
    </message>
    <message>
        <source>Go to: %1</source>
        <translation>Aller à&#xa0;: %1</translation>
    </message>
    <message>
        <source>Nothing inserted: this field takes at most %1 characters.</source>
        <translation>Rien n'a été inséré : ce champ accepte au maximum %1 caractères.</translation>
    </message>
</context>
</TS>

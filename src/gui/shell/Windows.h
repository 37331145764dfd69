#pragma once

#include <QString>

// The windows the main window can create by name.
namespace WindowNames {
inline const QString Splash = QStringLiteral("frmSplash");
inline const QString Options = QStringLiteral("frmOptions");
inline const QString Help = QStringLiteral("frmHelp");
inline const QString About = QStringLiteral("frmAbout");
inline const QString NewStatement = QStringLiteral("frmNewStatement");
inline const QString InterestChanges = QStringLiteral("frmUserInterestChanges");
inline const QString ThisSession = QStringLiteral("frmThisSession");
inline const QString AllRecords = QStringLiteral("frmAllRecords");
inline const QString Method = QStringLiteral("frmMethod");
inline const QString InterestPeriod = QStringLiteral("frmInterestPeriod");
inline const QString Calculate = QStringLiteral("frmCalculate");
inline const QString Information = QStringLiteral("frmInformation");
inline const QString Conventions = QStringLiteral("ConventionsWindow");
inline const QString FindMethod = QStringLiteral("FindMethodWindow");
inline const QString Offset = QStringLiteral("OffsetWindow");
inline const QString RateTerms = QStringLiteral("RateTermsWindow");
inline const QString RepaymentTerms = QStringLiteral("RepaymentTermsWindow");
inline const QString HistoryImport = QStringLiteral("HistoryImportWindow");
inline const QString SetSummary = QStringLiteral("SetSummaryWindow");
} // namespace WindowNames

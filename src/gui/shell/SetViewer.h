#pragma once

#include <QString>

// A window that shows a loan set (the set's summary): it is handed the set's file when opened,
// by name, from the shell. A window may take it instead as an invokable `showSet(QString)`.
class SetViewer {
public:
    virtual ~SetViewer() = default;
    // Reads the set at `setPath`, checks it and shows it.
    virtual void showSet(const QString& setPath) = 0;
};

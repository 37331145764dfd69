#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QPagedPaintDevice;
class QPrinter;

// The program's title: the caption of every message box that names no other.
inline const QString AppTitle = QStringLiteral("Vantrell");

struct FileDialogRequest {
    enum Kind { Save, Open };
    Kind kind = Open;
    QString title;
    QString filter;        // "Data|*.mdb": description and pattern
    QString folder;        // initial folder
    QString fileName;      // initial file name
    QString defaultSuffix; // "" uses the name exactly as typed
};

// The icon of a message box or question.
enum class DialogIcon { None, Stop };

// Print dialog flags, as the help viewer sets them.
namespace PrintFlags {
constexpr int Selection = 1;
constexpr int NoPageNums = 8;
constexpr int ReturnDC = 256;
} // namespace PrintFlags

// Every message box, question, file and print dialog goes through here, so that tests can
// answer them from a script and see every message shown.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    static Dialogs& instance();
    // Installs a replacement and returns the one it replaces.
    static std::unique_ptr<Dialogs> install(std::unique_ptr<Dialogs> dialogs);

    // OK button only, no icon.
    virtual void message(const QString& text, const QString& title = AppTitle) = 0;
    // Yes and No buttons; true for Yes.
    virtual bool question(const QString& text, const QString& title = AppTitle,
                          DialogIcon icon = DialogIcon::None) = 0;
    // The chosen full path, or nothing when cancelled.
    virtual std::optional<QString> chooseFile(const FileDialogRequest& request) = 0;
    // One of `items`, by its index; nullopt when cancelled.
    virtual std::optional<int> chooseItem(const QString& text, const QStringList& items,
                                          const QString& title = AppTitle) = 0;
    // A line of text typed, starting from `initial`; nullopt when cancelled.
    virtual std::optional<QString> askText(const QString& prompt, const QString& initial,
                                           const QString& title = AppTitle) = 0;
    // Sets up `printer`; false when cancelled.
    virtual bool print(QPrinter& printer, int flags) = 0;
    // Paints a whole document on a device; false with the reason when it cannot.
    using PaintFunction = std::function<bool(QPagedPaintDevice& device, QString* error)>;
    // Shows `paint`'s pages on `printer` in a modal preview, from which they can be printed or
    // saved as PDF.
    virtual void preview(QPrinter& printer, const PaintFunction& paint) = 0;
    virtual void beep() = 0;
};

class QtDialogs : public Dialogs {
public:
    void message(const QString& text, const QString& title) override;
    bool question(const QString& text, const QString& title, DialogIcon icon) override;
    std::optional<QString> chooseFile(const FileDialogRequest& request) override;
    std::optional<int> chooseItem(const QString& text, const QStringList& items,
                                  const QString& title) override;
    std::optional<QString> askText(const QString& prompt, const QString& initial,
                                   const QString& title) override;
    bool print(QPrinter& printer, int flags) override;
    void preview(QPrinter& printer, const PaintFunction& paint) override;
    void beep() override;

private:
    void saveAsPdf(const QPrinter& printer, const PaintFunction& paint);
};

#include "Pictures.h"
#include "Translations.h"
#include "Unit1.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <tuple>
#include <vector>

namespace {

// Qt reports a window system it cannot reach with a few warnings and then a
// fatal error, which aborts with advice to reinstall. While the application
// object is made, its messages are held back: if that fails, the player reads
// one line saying what is missing and the program ends before anything is
// read or saved; if it succeeds, the held messages go out as usual.
class PlatformStart
{
public:
    PlatformStart() { previous = qInstallMessageHandler(&PlatformStart::hold); }

    std::unique_ptr<QApplication> application(int& argc, char* argv[])
    {
        auto made = std::make_unique<QApplication>(argc, argv);
        qInstallMessageHandler(previous);
        for (const auto& [type, category, text] : held) {
            const QMessageLogContext context(nullptr, 0, nullptr, category);
            previous(type, context, text);
        }
        held.clear();
        return made;
    }

private:
    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (type == QtFatalMsg) {
            std::fputs("quorvel: no display to show the window on: start it from a desktop session\n", stderr);
            std::_Exit(EXIT_FAILURE);
        }
        held.emplace_back(type, context.category, text);
    }

    static inline QtMessageHandler previous = nullptr;
    static inline std::vector<std::tuple<QtMsgType, const char*, QString>> held;
};

} // namespace

int main(int argc, char* argv[])
{
    const auto application = PlatformStart().application(argc, argv);
    // Ties the window to its desktop entry, so the task bar shows its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.quorvel.Quorvel"));
    // Every window and box takes the program's icon, also a box shown while
    // the main window is still being made.
    QGuiApplication::setWindowIcon(quorvel::ui::Pictures::icon());
    const quorvel::ui::Translations translations(quorvel::ui::DesktopLanguages());
    quorvel::ui::TForm1 form;
    form.show();
    return application->exec();
}

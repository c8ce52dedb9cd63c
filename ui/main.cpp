#include "FileSizeLimit.h"
#include "Pictures.h"
#include "Translations.h"
#include "Unit1.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace {

// Qt reports a window system it cannot reach with a few warnings and then a
// fatal error, which aborts with advice to reinstall, and the window system's
// own libraries may write to the standard error besides. While the
// application object is made, both are held back: if that fails, the player
// reads one line saying what is missing and the program ends before anything
// is read or saved; if it succeeds, what was held goes out as usual.
class PlatformStart
{
public:
    PlatformStart()
    {
        previous = qInstallMessageHandler(&PlatformStart::hold);
        holdStandardError();
    }

    std::unique_ptr<QApplication> application(int& argc, char* argv[])
    {
        auto made = std::make_unique<QApplication>(argc, argv);
        releaseStandardError();
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
            static constexpr char Line[] = "quorvel: no display to show the window on: start it from a desktop session\n";
            const int out = standardError >= 0 ? standardError : STDERR_FILENO;
            // Where even that cannot be written, the exit status says it.
            [[maybe_unused]] const ssize_t written = write(out, Line, sizeof Line - 1);
            std::_Exit(EXIT_FAILURE);
        }
        held.emplace_back(type, context.category, text);
    }

    // The standard error goes to an unnamed temporary file meanwhile; where
    // none can be made, nothing is held.
    static void holdStandardError()
    {
        heldError = std::tmpfile();
        if (!heldError)
            return;
        std::fflush(stderr);
        standardError = dup(STDERR_FILENO);
        if (standardError < 0 || dup2(fileno(heldError), STDERR_FILENO) < 0) {
            if (standardError >= 0)
                close(standardError);
            standardError = -1;
            std::fclose(heldError);
            heldError = nullptr;
        }
    }

    static void releaseStandardError()
    {
        if (!heldError)
            return;
        std::fflush(stderr);
        if (dup2(standardError, STDERR_FILENO) >= 0) {
            std::rewind(heldError);
            char buffer[4096];
            for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, heldError)) > 0;)
                if (std::fwrite(buffer, 1, got, stderr) != got)
                    break;
            std::fflush(stderr);
        }
        close(standardError);
        standardError = -1;
        std::fclose(heldError);
        heldError = nullptr;
    }

    static inline QtMessageHandler previous = nullptr;
    static inline std::vector<std::tuple<QtMsgType, const char*, QString>> held;
    static inline std::FILE* heldError = nullptr;
    static inline int standardError = -1;
};

} // namespace

int main(int argc, char* argv[])
{
    quorvel::persist::surviveFileSizeLimit();
    const auto application = PlatformStart().application(argc, argv);
    // Ties the window to its desktop entry, so the task bar shows its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.quorvel.Quorvel"));
    // Every window and box takes the program's icon, also a box shown while
    // the main window is still being made.
    QGuiApplication::setWindowIcon(quorvel::ui::Pictures::icon());
    const quorvel::ui::Translations translations(quorvel::ui::desktopLanguages());
    quorvel::ui::TForm1 form;
    form.createAboutBox();
    form.show();
    return application->exec();
}

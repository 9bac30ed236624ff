// reelwright-cli: the converter without a window, for scripts and for more files than one
// sitting allows.
#include "cli/CliOptions.h"
#include "cli/CommandLineConverter.h"
#include "cli/ConsoleNotifier.h"
#include "platform/AppInfo.h"
#include "platform/Language.h"
#include "platform/SignalWatcher.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>
#include <cstdio>

#include <unistd.h>

using namespace reelwright;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(kProductName));
    QCoreApplication::setOrganizationName(QString::fromLatin1(kMakerName));
    InstallTranslations(app);
    QTextStream out(stdout);
    QTextStream err(stderr);
    ConsoleNotifier notifier(err);
    Notifier::Install(&notifier);

    // The arguments as bytes: a name that is not UTF-8 is kept as it was given.
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QByteArray(argv[i]);
    }
    QString error;
    const std::optional<CliOptions> options = CliOptions::Parse(arguments, &error);
    if (!options) {
        err << "reelwright-cli: " << error << u'\n' << CliOptions::TryHelp() << u'\n';
        return 2;
    }
    // What scripts read is the same in every language.
    if (options->json) {
        RemoveTranslations(app);
    }
    // The live percentage only where somebody watches it.
    CommandLineConverter converter(out, err, ::isatty(STDERR_FILENO) ? &err : nullptr);
    // Ctrl+C, SIGTERM or a reader that went away (SIGPIPE, as in "| head -1") stops the encoder
    // and removes its unfinished file before we go.
    SignalWatcher endings({SIGTERM, SIGHUP, SIGINT, SIGPIPE});
    QObject::connect(&endings, &SignalWatcher::Received, &converter, &CommandLineConverter::Stop);
    converter.WatchOutput(STDOUT_FILENO);
    int status = converter.Run(*options);
    out.flush();
    err.flush();
    // A signal that came with the last lines is heard now.
    QCoreApplication::processEvents();
    if (converter.StoppedBy() != 0) {
        status = SignalWatcher::ExitStatusFor(converter.StoppedBy());
    }
    return status;
}

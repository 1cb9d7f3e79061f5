// Saving the result into resultat.txt, in a temporary program folder.
#include "window_fixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <optional>
#include <sys/resource.h>

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<absent>");
}

// Lowers the file size this process may write while it lives (the signal past it ignored).
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) : formerHandler(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &former);
        rlimit limited = former;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &former);
        std::signal(SIGXFSZ, formerHandler);
    }
    rlimit former{};
    void (*formerHandler)(int);
};

} // namespace

class SaveTest : public WindowFixture {
    Q_OBJECT

private slots:
    void init() {
        WindowFixture::init();
        folder_ = std::make_unique<QTemporaryDir>();
        window().setProgramFolder(folder_->path());
    }

    // One line per save, in UTF-8: a pasted result's line breaks, and bc's
    // backslashes before them, are left out. Nothing is said after a save.
    void confirmedSavesAppendLines() {
        QList<SeenBox> seen = save("123", QMessageBox::Yes);
        seen += save("12\\\n34\r\n56", QMessageBox::Yes);
        seen += save(QStringLiteral("-45 é"), QMessageBox::Yes);
        QCOMPARE(contents(file()), QByteArray("123\r\n123456\r\n-45 \xc3\xa9\r\n"));
        QCOMPARE(seen.size(), 3);
        QCOMPARE(seen[0].title + ": " + seen[0].text,
                 QStringLiteral("Enregister le résultat dans un fichier: "
                                "Voulez-vous vraiment enregistrer le résultat?"));
        QCOMPARE(seen[0].defaultButton, QStringLiteral("&Oui"));
        QVERIFY(seen[0].buttons.contains(QStringLiteral("&Non")));
        // No, "0" and the empty result touch nothing; "0" and "" are not even asked about.
        QCOMPARE(save("9", QMessageBox::No).size(), 1);
        QCOMPARE(save("0", QMessageBox::NoButton).size() + save("", QMessageBox::NoButton).size(),
                 0);
        QCOMPARE(contents(file()), QByteArray("123\r\n123456\r\n-45 \xc3\xa9\r\n"));
    }

    // A program folder that takes no file (as /proc, even for root) sends the
    // line to the documents folder, made when missing.
    void readOnlyProgramFolderSavesToDocuments() {
        const QByteArray home = qgetenv("HOME");
        const QByteArray config = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", folder_->path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", folder_->filePath("config").toLocal8Bit());
        window().setProgramFolder("/proc");
        const QList<SeenBox> seen = save("123", QMessageBox::Yes);
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", config);
        QCOMPARE(seen.size(), 1); // the question only
        QCOMPARE(contents(folder_->filePath("Documents/resultat.txt")), QByteArray("123\r\n"));
    }

    // A save that fails says why and leaves the earlier lines whole: a line
    // cut short by a full disk (here, a file size limit) is taken away again.
    void failedSavesKeepEarlierLines() {
        const QString missing = folder_->filePath("missing");
        const QString path = file();
        const QString other = folder_->filePath("other");
        QVERIFY(QDir(folder_->path()).mkpath("other/resultat.txt"));
        // program folder, line already in the file (none: no file), what the box says
        const std::tuple<QString, QByteArray, const char*> failures[] = {
            {missing, "", "son dossier n'existe pas"},
            {other, "", "un dossier porte ce nom"},
            {folder_->path(), "123\r\n", "l'écriture a échoué"},
        };
        for (const auto& [folder, earlier, reason] : failures) {
            window().setProgramFolder(folder);
            std::optional<FileSizeLimit> limit;
            if (!earlier.isEmpty()) {
                QFile old(path);
                QVERIFY(old.open(QIODevice::WriteOnly) && old.write(earlier) == earlier.size());
                old.close();
                limit.emplace(earlier.size() + 4);
            }
            setField("Text3", "987654321");
            boxes().expectBox(QMessageBox::Yes);
            const QList<SeenBox> seen = clickSeeing("Command8", 1);
            limit.reset();
            QCOMPARE(seen.size(), 2);
            const QString target = QDir(folder).filePath("resultat.txt");
            QVERIFY2(seen[1].text.contains("« " + target + " » : " + QString::fromUtf8(reason)),
                     qPrintable(seen[1].text));
            if (!earlier.isEmpty()) {
                QCOMPARE(contents(path), earlier);
            }
        }
    }

private:
    // Saves `result`, answering the question (if asked) with `answer`; returns the boxes seen.
    QList<SeenBox> save(const QString& result, QMessageBox::StandardButton answer) {
        setField("Text3", result);
        if (answer != QMessageBox::NoButton) {
            boxes().expectBox(answer);
        }
        return clickSeeing("Command8", 0);
    }
    QString file() const { return folder_->filePath(QStringLiteral("resultat.txt")); }

    std::unique_ptr<QTemporaryDir> folder_;
};

QTEST_MAIN(SaveTest)
#include "save_test.moc"

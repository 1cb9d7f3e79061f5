// Saving the result into resultat.txt, in a temporary program folder.
#include "window_fixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <optional>
#include <sys/resource.h>

namespace {

const QByteArray Earlier = "123\r\n";

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<absent>");
}

// Lowers the largest file size that this process may write, for as long as
// it lives; the signal that the system sends past the limit is ignored.
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
        QVERIFY(folder_->isValid());
        window().setProgramFolder(folder_->path());
    }

    // One line per save: a pasted result's line breaks, and bc's backslashes
    // before them, are left out.
    void confirmedSavesAppendLines() {
        QList<SeenBox> seen = save("123");
        seen += save("12\\\n34\r\n56");
        seen += save("-45");
        QCOMPARE(contents(resultFile()), QByteArray("123\r\n123456\r\n-45\r\n"));
        QCOMPARE(seen.size(), 3); // the questions, nothing after a save
        for (const SeenBox& box : seen) {
            QCOMPARE(box.defaultButton, QStringLiteral("&Oui"));
            QVERIFY(box.buttons.contains(QStringLiteral("&Non")));
        }
        QCOMPARE(fieldText("Text3"), QStringLiteral("-45"));
    }

    // A program folder that takes no file, as an installed program's, sends
    // the line to the documents folder, made when missing. No one, root
    // included, can create a file in /proc.
    void readOnlyProgramFolderSavesToDocuments() {
        const QByteArray home = qgetenv("HOME");
        const QByteArray config = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", folder_->path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", folder_->filePath("config").toLocal8Bit());
        window().setProgramFolder("/proc");
        const QList<SeenBox> seen = save("123");
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", config);
        QCOMPARE(seen.size(), 1); // the question only
        QCOMPARE(contents(folder_->filePath("Documents/resultat.txt")), QByteArray("123\r\n"));
    }

    // Nothing is added to the file: the answer is No, there is nothing worth
    // saving, or the write fails and a box says why.
    void nothingIsAdded_data() {
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("answer");     // to the question; 0: not asked
        QTest::addColumn<QString>("reason"); // in the failure box; empty: no such box
        const auto row = [](const char* name, const char* result, int answer, const char* reason) {
            QTest::newRow(name) << result << answer << QString::fromUtf8(reason);
        };
        row("answered No", "123", QMessageBox::No, "");
        row("zero", "0", 0, "");
        row("empty", "", 0, "");
        row("missing folder", "987654321", QMessageBox::Yes, "son dossier n'existe pas");
        row("folder in the way", "987654321", QMessageBox::Yes, "un dossier porte ce nom");
        // The line stops half-way and is taken away again: the earlier line stays, whole.
        row("size limit", "987654321", QMessageBox::Yes, "l'écriture a échoué");
    }

    void nothingIsAdded() {
        QFETCH(QString, result);
        QFETCH(int, answer);
        QFETCH(QString, reason);
        const QString tag = QString::fromUtf8(QTest::currentDataTag());
        const QString folder =
            tag == "missing folder" ? folder_->filePath("absent") : folder_->path();
        window().setProgramFolder(folder);
        const QString path = QDir(folder).filePath("resultat.txt");
        if (tag == "folder in the way") {
            QVERIFY(QDir(folder).mkdir("resultat.txt"));
        }
        QByteArray before("<absent>");
        std::optional<FileSizeLimit> limit;
        if (tag == "size limit") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(Earlier) == Earlier.size());
            file.close();
            before = Earlier;
            limit.emplace(static_cast<rlim_t>(Earlier.size()) + 4);
        }
        setField("Text3", result);
        if (answer != 0) {
            boxes().expectBox(QMessageBox::StandardButton(answer));
        }
        const QList<SeenBox> seen = clickSeeing("Command8", reason.isEmpty() ? 0 : 1);
        limit.reset();
        QCOMPARE(seen.size(), int(answer != 0) + int(!reason.isEmpty()));
        if (!reason.isEmpty()) {
            QVERIFY2(
                seen[1].text.startsWith("Le résultat n'a pas été enregistré dans le fichier « " +
                                        path + " » : " + reason),
                qPrintable(seen[1].text));
            QCOMPARE(seen[1].title, window().windowTitle());
        }
        if (tag != "folder in the way") {
            QCOMPARE(contents(path), before);
        }
    }

private:
    // Puts `result` into the result field, clicks the button and answers the
    // question with Yes; returns every box seen.
    QList<SeenBox> save(const QString& result) {
        setField("Text3", result);
        boxes().expectBox(QMessageBox::Yes);
        return clickSeeing("Command8", 0);
    }
    QString resultFile() const { return folder_->filePath(QStringLiteral("resultat.txt")); }

    std::unique_ptr<QTemporaryDir> folder_;
};

QTEST_MAIN(SaveTest)
#include "save_test.moc"

// Saving the result into resultat.txt, in a temporary program folder.
#include "window_fixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

const QString Question = QStringLiteral("Voulez-vous vraiment enregistrer le résultat?");
const QString Title = QStringLiteral("Enregister le résultat dans un fichier");
const QByteArray Earlier = "123\r\n";

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<absent>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Lowers the largest file size that this process may write, for as long as
// it lives; the signal that the system sends past the limit is ignored.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &former_);
        formerHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = former_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &former_);
        std::signal(SIGXFSZ, formerHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit former_{};
    void (*formerHandler_)(int) = nullptr;
};

// Prepares a program folder inside the temporary one; returns its path.
using SetUp = std::function<QString(const QTemporaryDir&)>;

} // namespace

Q_DECLARE_METATYPE(SetUp)

class SaveTest : public WindowFixture {
    Q_OBJECT

private slots:
    void init();
    void confirmedSavesAppendLines();
    void nothingIsWritten_data();
    void nothingIsWritten();
    void failureIsReported_data();
    void failureIsReported();
    void cutLineIsTakenBack();

private:
    // Puts `result` into the result field, clicks the button and answers the
    // confirmation with Yes; returns every box seen.
    QList<SeenBox> save(const QString& result, bool failureExpected = false);
    QString resultFile() const { return folder_->filePath(QStringLiteral("resultat.txt")); }

    std::unique_ptr<QTemporaryDir> folder_;
};

void SaveTest::init() {
    WindowFixture::init();
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    window().setProgramFolder(folder_->path());
}

QList<SeenBox> SaveTest::save(const QString& result, bool failureExpected) {
    setField("Text3", result);
    boxes().expectBox(QMessageBox::Yes);
    if (failureExpected) {
        boxes().expectBox(QMessageBox::Ok);
    }
    click("Command8");
    return boxes().takeSeen();
}

void SaveTest::confirmedSavesAppendLines() {
    QList<SeenBox> seen = save("123");
    seen += save("-45");
    QCOMPARE(contents(resultFile()), QByteArray("123\r\n-45\r\n"));
    QCOMPARE(seen.size(), 2); // the two questions, nothing after a save
    for (const SeenBox& box : seen) {
        QCOMPARE(box.title, Title);
        QCOMPARE(box.text, Question);
        QCOMPARE(box.defaultButton, QStringLiteral("&Oui"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
    }
    QCOMPARE(fieldText("Text3"), QStringLiteral("-45"));
}

void SaveTest::nothingIsWritten_data() {
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("asked"); // whether the confirmation is shown, then answered No
    QTest::newRow("answered No") << "123" << true;
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("empty") << "" << false;
}

void SaveTest::nothingIsWritten() {
    QFETCH(QString, result);
    QFETCH(bool, asked);
    setField("Text3", result);
    if (asked) {
        boxes().expectBox(QMessageBox::No);
    }
    click("Command8");
    QCOMPARE(boxes().takeSeen().size(), asked ? 1 : 0);
    QVERIFY(!QFile::exists(resultFile()));
}

void SaveTest::failureIsReported_data() {
    QTest::addColumn<SetUp>("setUp");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing folder")
        << SetUp([](const QTemporaryDir& dir) { return dir.filePath("absent"); })
        << "son dossier n'existe pas";
    QTest::newRow("disk full") << SetUp([](const QTemporaryDir& dir) {
        QFile::link("/dev/full", dir.filePath("resultat.txt"));
        return dir.path();
    }) << "l'écriture a échoué";
}

void SaveTest::failureIsReported() {
    QFETCH(SetUp, setUp);
    QFETCH(QString, reason);
    const QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = setUp(dir);
    window().setProgramFolder(folder);
    const QList<SeenBox> seen = save("987654321", true);
    QCOMPARE(seen.size(), 2);
    const QString path = QDir(folder).filePath("resultat.txt");
    QVERIFY2(seen[1].text.startsWith("Le résultat n'a pas été enregistré dans le fichier « " +
                                     path + " » : " + reason),
             qPrintable(seen[1].text));
    QCOMPARE(seen[1].title, window().windowTitle());
}

// A line that stops half-way (the file reached the size the system allows)
// is taken away again: the file ends with its earlier lines, whole.
void SaveTest::cutLineIsTakenBack() {
    writeFile(resultFile(), Earlier);
    QList<SeenBox> seen;
    {
        const FileSizeLimit limit(static_cast<rlim_t>(Earlier.size()) + 4);
        seen = save("987654321", true);
    }
    QCOMPARE(seen.size(), 2);
    QVERIFY2(seen[1].text.contains("l'écriture a échoué"), qPrintable(seen[1].text));
    QCOMPARE(contents(resultFile()), Earlier);
}

QTEST_MAIN(SaveTest)
#include "save_test.moc"

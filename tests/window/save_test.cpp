// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the result into resultat.txt, from temporary program folders.
#include "file_size_limit.h"
#include "window_fixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<absent>");
}

} // namespace

class SaveTest : public WindowFixture {
    Q_OBJECT

private slots:
    void init() {
        WindowFixture::init();
        // Side by side: a build tree (its CMakeCache.txt at the top), the home, a system folder.
        folder_ = std::make_unique<QTemporaryDir>();
        for (const char* folder : {"build/app", "home/bin", "usr/bin"}) {
            QVERIFY(QDir().mkpath(in(folder)));
        }
        QVERIFY(QFile(in("build/CMakeCache.txt")).open(QIODevice::WriteOnly));
        window().setUserFolders(in("home"), in("home/Documents"));
        window().setProgramFolder(in("build/app"));
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

    // A program in the home or in a build tree saves beside itself; one in a
    // system folder, as root too, into the documents folder, made when
    // missing, and the first such save of the run says where it went.
    void savesGoBesideTheProgramOrToDocuments() {
        const QString documents = in("home/Documents/resultat.txt");
        const QString told = "Le résultat a été ajouté à " + documents + ".";
        // program folder, where the line goes, what the box after the question says
        const std::tuple<QString, QString, QString> saves[] = {
            {"home/bin", in("home/bin/resultat.txt"), ""},
            {"build/app", file(), ""},
            {"usr/bin", documents, told},
            {"usr/bin", documents, ""},
        };
        for (const auto& [program, path, box] : saves) {
            window().setProgramFolder(in(program));
            const QList<SeenBox> seen = save(program, QMessageBox::Yes, box.isEmpty() ? 0 : 1);
            QCOMPARE(seen.size() == 2 ? seen[1].text : QString(), box);
            QVERIFY(contents(path).endsWith(program.toUtf8() + "\r\n"));
        }
    }

    // A save that fails says why and leaves the earlier lines whole: a line
    // cut short by a full disk (here, a file size limit) is taken away again.
    void failedSavesKeepEarlierLines() {
        const QString missing = in("build/missing");
        const QString path = file();
        const QString other = in("build/other");
        QVERIFY(QDir(in("build")).mkpath("other/resultat.txt"));
        // program folder, line already in the file (none: no file), what the box says
        const std::tuple<QString, QByteArray, const char*> failures[] = {
            {missing, "", "son dossier n'existe pas"},
            {other, "", "un dossier porte ce nom"},
            {in("build/app"), "123\r\n", "l'écriture a échoué"},
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
    // Saves `result`, answering the question (if asked) with `answer` and
    // `okBoxes` boxes after it with OK; returns the boxes seen.
    QList<SeenBox> save(const QString& result, QMessageBox::StandardButton answer,
                        int okBoxes = 0) {
        setField("Text3", result);
        if (answer != QMessageBox::NoButton) {
            boxes().expectBox(answer);
        }
        return clickSeeing("Command8", okBoxes);
    }
    QString in(const QString& path) const { return folder_->filePath(path); }
    QString file() const { return in("build/app/resultat.txt"); }

    std::unique_ptr<QTemporaryDir> folder_;
};

QTEST_MAIN(SaveTest)
#include "save_test.moc"

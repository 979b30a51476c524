#include "platform/Cp932.h"
#include "platform/Errors.h"
#include "shop/UpgradeRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using kobu::UpgradeRecord;

namespace {

QString gameFile(const char* name) {
    return QStringLiteral(KOBUSATO_GAME_DIR "/") + name;
}
QString upgradegen() {
    return QFileInfo(QStringLiteral(KOBUSATO_GAME_DIR "/../tools/upgradegen/upgradegen"))
        .absoluteFilePath();
}

// The rows of a table source, header skipped, as the tool is meant to read them.
std::vector<QStringList> sourceRows(const char* name) {
    QFile f(QStringLiteral(KOBUSATO_SOURCE_DIR "/assets/data/") + name);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    std::vector<QStringList> rows;
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    for (int i = 1; i < lines.size(); ++i)
        if (!lines[i].trimmed().isEmpty())
            rows.push_back(lines[i].split(QLatin1Char('\t')));
    return rows;
}

int runTool(const QString& in, const QString& out) {
    QProcess p;
    p.start(upgradegen(), {in, out});
    if (!p.waitForFinished(30000))
        return -1;
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

void writeText(const QString& path, const QByteArray& utf8) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(utf8);
}

} // namespace

TEST(UpgradeRecord, LaysOutTwentyNameBytesThenFourLittleEndianNumbers) {
    const UpgradeRecord r{QStringLiteral("木刀"), 1, -2, 300, 32767};
    const QByteArray b = kobu::encodeUpgradeRecord(r);
    ASSERT_EQ(b.size(), 28);
    EXPECT_EQ(b.left(4), platform::toCp932(QStringLiteral("木刀")));
    EXPECT_EQ(b.mid(4, 16), QByteArray(16, ' '));
    EXPECT_EQ(b.mid(20), QByteArray("\x01\x00\xfe\xff\x2c\x01\xff\x7f", 8));
    const UpgradeRecord back = kobu::decodeUpgradeRecord(b);
    // The name comes back whole, padding included.
    EXPECT_EQ(back.name, QStringLiteral("木刀") + QString(16, QLatin1Char(' ')));
    EXPECT_EQ(back.reserved, 1);
    EXPECT_EQ(back.gainA, -2);
    EXPECT_EQ(back.gainB, 300);
    EXPECT_EQ(back.price, 32767);
}

TEST(UpgradeRecord, AMissingOrShortTableIsAFileErrorAndIsNotCreated) {
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("Bougyo.dat"));
    EXPECT_THROW(kobu::readUpgradeTable(p, 5), platform::FileError);
    EXPECT_FALSE(QFile::exists(p));
    writeText(p, QByteArray(28 * 4 + 27, ' '));
    EXPECT_THROW(kobu::readUpgradeTable(p, 5), platform::FileError);
}

// The tables the build ships are the sources, record for record.
TEST(ShippedTables, MatchTheirSourcesAndFitTheShop) {
    struct Table {
        const char* source;
        const char* built;
        size_t records;
    };
    for (const Table& t :
         {Table{"weapons.tsv", "Bukidata2.dat", 7}, Table{"armour.tsv", "Bougyo.dat", 5}}) {
        SCOPED_TRACE(t.built);
        const auto rows = sourceRows(t.source);
        ASSERT_EQ(rows.size(), t.records);
        EXPECT_EQ(QFileInfo(gameFile(t.built)).size(), qint64(28 * t.records));
        const auto table = kobu::readUpgradeTable(gameFile(t.built), int(t.records));
        int lastPrice = 0;
        for (size_t i = 0; i < t.records; ++i) {
            EXPECT_EQ(table[i].name.trimmed(), rows[i][0]);
            EXPECT_EQ(table[i].gainA, rows[i][2].toInt());
            EXPECT_EQ(table[i].gainB, rows[i][3].toInt());
            EXPECT_EQ(table[i].price, rows[i][4].toInt());
            // Each level costs more than the one before and gives something.
            EXPECT_GT(table[i].price.value(), lastPrice);
            EXPECT_GE(table[i].gainA, table[i].gainB);
            EXPECT_GT(table[i].gainB, 0);
            lastPrice = table[i].price.value();
        }
    }
}

TEST(UpgradeTool, RefusesBadRowsAndWritesNothing) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("t.tsv"));
    const QString out = dir.filePath(QStringLiteral("t.dat"));
    const QByteArray header = "name\treserved\tgainA\tgainB\tprice\n";
    const QByteArray bad[] = {
        // 24 bytes in code page 932
        header + "とても長い名前の武器です\t0\t1\t1\t10\n",
        header + "木刀\t0\t1\t1\n",
        header + "木刀\t0\t1\t1\t40000\n",
        header + "木刀\t0\t1\tx\t10\n",
        header + "\xf0\x9f\x98\x80\t0\t1\t1\t10\n", // an emoji has no CP932 form
        header,
    };
    for (const QByteArray& text : bad) {
        writeText(in, text);
        EXPECT_NE(runTool(in, out), 0) << text.constData();
        EXPECT_FALSE(QFile::exists(out)) << text.constData();
    }
    // Ten full-width characters are exactly the twenty bytes allowed.
    writeText(in, header + "ちょうど十文字の武器\t0\t1\t1\t10\n");
    ASSERT_EQ(runTool(in, out), 0);
    EXPECT_EQ(kobu::readUpgradeTable(out, 1)[0].name, QStringLiteral("ちょうど十文字の武器"));
}

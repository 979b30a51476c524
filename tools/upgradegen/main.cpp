// Compiles a text table of upgrades into the 28-byte records the shop reads.
//
// Input: UTF-8, one header line, then one row per record with five
// tab-separated columns: name, reserved, gainA, gainB, price. Lines that are
// empty are skipped. Every fault is reported with its line, and nothing is
// written then, so a broken source never leaves a half table behind.

#include "platform/Cp932.h"
#include "shop/UpgradeRecord.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <cstdio>

using kobu::UpgradeRecord;

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "upgradegen: %s\n", message.toUtf8().constData());
    return 1;
}

bool readNumber(const QString& text, kobu::i16& out) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < -32768 || v > 32767)
        return false;
    out = kobu::i16(v);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return fail(QStringLiteral("usage: upgradegen <in.tsv> <out.dat>"));
    const QString inPath = QString::fromLocal8Bit(argv[1]);
    const QString outPath = QString::fromLocal8Bit(argv[2]);

    QFile in(inPath);
    if (!in.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1").arg(inPath));
    const QStringList lines = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));

    QByteArray out;
    int records = 0;
    for (int n = 1; n < lines.size(); ++n) { // line 0 is the header
        QString line = lines[n];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const QString where = QStringLiteral("%1:%2: ").arg(inPath).arg(n + 1);
        const QStringList cols = line.split(QLatin1Char('\t'));
        if (cols.size() != 5)
            return fail(
                where +
                QStringLiteral("expected 5 tab-separated columns, found %1").arg(cols.size()));
        UpgradeRecord r;
        r.name = cols[0];
        const QByteArray encoded = platform::toCp932(r.name);
        if (platform::fromCp932(encoded) != r.name)
            return fail(where + QStringLiteral("name has characters outside code page 932"));
        if (encoded.size() > kobu::kUpgradeNameBytes)
            return fail(where + QStringLiteral("name takes %1 bytes, the limit is %2")
                                    .arg(encoded.size())
                                    .arg(kobu::kUpgradeNameBytes));
        if (!readNumber(cols[1], r.reserved) || !readNumber(cols[2], r.gainA) ||
            !readNumber(cols[3], r.gainB) || !readNumber(cols[4], r.price))
            return fail(where + QStringLiteral("numbers must be integers from -32768 to 32767"));
        out += kobu::encodeUpgradeRecord(r);
        ++records;
    }
    if (records == 0)
        return fail(inPath + QStringLiteral(": no records"));

    QSaveFile file(outPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit())
        return fail(QStringLiteral("cannot write %1").arg(outPath));
    return 0;
}

// Turns the opponent table (text, one row per round) into Enemy.dat. The
// records are encoded by the game's own codec, so the tool and the game read
// the same bytes the same way.
//
// Input: UTF-8, tab-separated. Lines that are empty or start with '#' are
// notes. The first other line is the header naming the nine fields in file
// order; every following line is one opponent, round 1 first.

#include "battle/Opponent.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <cstdio>

namespace {

const QStringList kHeader = {
    QStringLiteral("enemyReserved"),   QStringLiteral("enemyAttackA"),
    QStringLiteral("enemyAttackB"),    QStringLiteral("enemyDefenseA"),
    QStringLiteral("enemyDefenseB"),   QStringLiteral("enemySpeed"),
    QStringLiteral("enemyHp"),         QStringLiteral("enemyRewardPoints"),
    QStringLiteral("enemyPrizeMoney"),
};

int fail(const QString& where, const QString& what) {
    std::fprintf(stderr, "enemygen: %s: %s\n", where.toUtf8().constData(),
                 what.toUtf8().constData());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: enemygen <in.tsv> <out.dat>\n");
        return 2;
    }
    const QString in = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    QFile src(in);
    if (!src.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(in, QStringLiteral("cannot open"));
    const QStringList lines = QString::fromUtf8(src.readAll()).split(QLatin1Char('\n'));

    QByteArray data;
    bool headerSeen = false;
    int records = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        const QString where = QStringLiteral("%1:%2").arg(in).arg(i + 1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList cells = lines[i].split(QLatin1Char('\t'));
        QStringList trimmed;
        for (const QString& c : cells)
            trimmed << c.trimmed();
        if (!headerSeen) {
            if (trimmed != kHeader)
                return fail(where, QStringLiteral("header must be: ") + kHeader.join(' '));
            headerSeen = true;
            continue;
        }
        if (trimmed.size() != kHeader.size())
            return fail(where, QStringLiteral("expected %1 fields, found %2")
                                   .arg(kHeader.size())
                                   .arg(trimmed.size()));
        int values[9];
        for (int f = 0; f < 9; ++f) {
            bool ok = false;
            const int v = trimmed[f].toInt(&ok);
            if (!ok || v < -32768 || v > 32767)
                return fail(where,
                            kHeader[f] + QStringLiteral(" is not a 16-bit number: ") + trimmed[f]);
            values[f] = v;
        }
        kobu::OpponentRecord r;
        r.enemyReserved = values[0];
        r.enemyAttackA = values[1];
        r.enemyAttackB = values[2];
        r.enemyDefenseA = values[3];
        r.enemyDefenseB = values[4];
        r.enemySpeed = values[5];
        r.enemyHp = values[6];
        r.enemyRewardPoints = values[7];
        r.enemyPrizeMoney = values[8];
        data += kobu::encodeOpponent(r);
        ++records;
    }
    if (!headerSeen)
        return fail(in, QStringLiteral("no header line"));
    if (records < kobu::kRosterRounds)
        return fail(in, QStringLiteral("%1 opponents; the tournament needs %2")
                            .arg(records)
                            .arg(kobu::kRosterRounds));

    QSaveFile dst(out);
    if (!dst.open(QIODevice::WriteOnly) || dst.write(data) != data.size() || !dst.commit())
        return fail(out, QStringLiteral("cannot write"));
    return 0;
}

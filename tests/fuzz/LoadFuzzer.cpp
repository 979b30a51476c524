// libFuzzer target for the load path: any bytes in Data.dat must load without
// a crash, and what was loaded must save again.
#include "platform/Errors.h"
#include "platform/RecordFile.h"
#include "state/SaveRecord.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Data.dat"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    kobu::GameState g;
    kobu::assignStartValues(g);
    try {
        const QByteArray rec = platform::readRecord(path, kobu::kSaveRecordLength, 1);
        kobu::decodeSaveRecord(rec, g);
        const QByteArray again = kobu::encodeSaveRecord(g);
        if (again.size() != kobu::kSaveRecordLength)
            __builtin_trap();
        // Numbers survive exactly; the texts come back in the field's size.
        if (again.left(28) != rec.left(28) || g.playerName.size() != 30)
            __builtin_trap();
    } catch (const platform::FileError&) {
        if (size >= static_cast<std::size_t>(kobu::kSaveRecordLength))
            __builtin_trap(); // a whole record must always load
    }
    return 0;
}

// libFuzzer target for the content pack reader: any bytes, read as a
// manifest and as a whole pack archive, must be refused or accepted without
// a crash, a hang or memory growing with the sizes the input claims.
//
// Input: byte 0 even = the bytes are a manifest; odd = they are a pack file.
#include "contentpack.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_contentpack";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static QTemporaryDir dir;
    if (size == 0 || !dir.isValid())
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    if (data[0] % 2 == 0) {
        ContentPack::Manifest manifest;
        QString error;
        if (ContentPack::fromJson(bytes, &manifest, &error)) {
            // What was accepted reads back the same.
            ContentPack::Manifest again;
            if (!ContentPack::fromJson(ContentPack::toJson(manifest), &again, &error)
                || again.files.size() != manifest.files.size()
                || again.words.size() != manifest.words.size())
                std::abort();
        } else if (error.isEmpty()) {
            std::abort();
        }
        return 0;
    }
    const QString path = dir.filePath(QStringLiteral("input.ondalira"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 0;
    }
    ContentPack::Reader reader(path);
    if (reader.open(dir.path())) {
        QTemporaryDir out(dir.filePath(QStringLiteral("out-XXXXXX")));
        if (out.isValid())
            reader.extract(out.path());
    } else if (reader.error().isEmpty()) {
        std::abort();
    }
    return 0;
}

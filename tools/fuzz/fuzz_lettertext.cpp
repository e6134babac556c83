// libFuzzer target for the letter-text rules and the word frames of the hand
// sequences: arbitrary UTF-8 words, positions and settings must never crash,
// hang or give an index outside the word.
//
// Input: byte 0 = settings bits (ch, ll, small letters, first capital),
// bytes 1-2 = a position (signed, little endian), the rest = the word.
#include "lettertext.h"
#include "sequencewidget.h"

#include <QApplication>
#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace {
void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkWord(const QString& word, int pos, const LetterRules& rules, quint32 seed)
{
    const int length = int(word.size());

    const int before = LetterText::digraphsBefore(word, pos, rules);
    check(before >= 0 && before <= length / 2);

    int at = pos;
    const QString name = LetterText::letterImageName(word, at, true, rules);
    check(at == pos || at == pos + 1);
    int bare = pos;
    LetterText::letterImageName(word, bare, false, rules);
    check(bare == at);

    // Walking the row gives one label index per letter, without gaps.
    int labels = 0;
    for (int p = 0; p < length; ++p) {
        const int k = p - LetterText::digraphsBefore(word, p, rules);
        check(k == labels);
        const int start = p;
        LetterText::letterImageName(word, p, true, rules);
        check(p == start || p == start + 1);
        check(p < length);
        ++labels;
    }
    check(labels == LetterText::letterCount(word, rules));

    quint32 state = seed | 1u;
    const auto random = [&state](int lo, int hi) {
        state = state * 1664525u + 1013904223u;
        const int span = hi - lo + 1;
        return lo + int((state >> 8) % quint32(span > 0 ? span : 1));
    };
    QString text;
    const int picked = LetterText::pickLetterOfWord(word, text, rules, random);
    if (!LetterText::hasLetters(word)) {
        check(picked == -1 && text.isEmpty());
    } else {
        check(picked >= 0 && picked < length);
        check(!word.at(picked).isSpace());
        check(text.size() == 1 || text.size() == 2);
        const int start = LetterText::letterStart(word, picked, rules);
        check(start == picked || start == picked - 1);
    }

    QString first;
    QString judged = word.mid(qBound(0, pos, length));
    int counter = 0;
    LetterText::splitFirstLetter(judged, first, &counter, rules);
    check(first.size() <= 2 && counter <= 1);

    int skipped = -1;
    const QStringList frames = LetterText::frameNames(word, rules.useCh, rules.useLl, &skipped);
    check(frames.size() + skipped == length);
}

void checkSequence(const QString& word, const LetterRules& rules)
{
    static SequenceWidget* sequence = new SequenceWidget;
    sequence->setDigraphs(rules.useCh, rules.useLl);
    sequence->loadWordFrames(word);
    check(sequence->frames.size() == sequence->frameCount - sequence->skippedFrames);
    sequence->slotPlay();
    // Step the run by hand; it must stop after its frames.
    for (int i = 0; i <= word.size() + 1 && !sequence->isStopped(); ++i)
        sequence->slotNext();
    check(sequence->isStopped());
    while (sequence->slotFwd()) {
        check(sequence->frameIndex < sequence->frameCount);
    }
    while (sequence->slotBack()) {
        check(sequence->frameIndex >= 0);
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Frame paths with NUL characters make Qt warn on every input.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    LetterRules rules;
    rules.useCh = data[0] & 1;
    rules.useLl = data[0] & 2;
    rules.minusCaps = data[0] & 4;
    rules.firstCaps = data[0] & 8;
    const int pos = int(int16_t(uint16_t(data[1]) | uint16_t(data[2]) << 8));
    const QString word = QString::fromUtf8(reinterpret_cast<const char*>(data + 3),
                                           qsizetype(size - 3));
    checkWord(word, pos, rules, quint32(size) * 2654435761u ^ data[0]);
    checkSequence(word, rules);
    return 0;
}

#include "stories.h"

#include "emoji.h"
#include "parallel.h"
#include "stamp.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTextStream>

namespace {
const QSize kPageSize(705, 350);
const QRectF kPicture(12, 12, 330, 326);
const QRectF kText(360, 22, 328, 296);

// Pictures that belong in the sky, above the ground.
const QList<uint> kSky = {0x2600, 0x2744, 0x1F4A8, 0x1F4AC, 0x1F389, 0x1F98B, 0x1F634, 0x1F604};
// Pictures that make the scene an indoor one.
const QList<uint> kIndoor = {0x1F6CF, 0x1FA91, 0x1F963, 0x1F372};

QList<uint> emojiList(const QString& field)
{
    QList<uint> list;
    if (field.trimmed() == QLatin1String("-"))
        return list;
    for (const uint codePoint : field.toUcs4()) {
        // Blanks and the emoji presentation selector are not pictures.
        if (codePoint != ' ' && codePoint != 0xFE0F)
            list << codePoint;
    }
    return list;
}

QFont andika(qreal pixels, bool bold)
{
    QFont font(QStringLiteral("Andika"));
    font.setPixelSize(int(pixels));
    font.setBold(bold);
    return font;
}

void paintScene(QPainter& p, const StoryPage& page)
{
    QPainterPath frame;
    frame.addRoundedRect(kPicture, 16, 16);
    p.save();
    p.setClipPath(frame);
    bool indoor = false, snow = false;
    for (uint e : page.scenery) {
        indoor = indoor || kIndoor.contains(e);
        snow = snow || e == 0x2744;
    }
    const qreal horizon = kPicture.top() + kPicture.height() * 0.62;
    if (indoor) {
        p.fillRect(QRectF(kPicture.left(), kPicture.top(), kPicture.width(), horizon - kPicture.top()),
                   QColor(250, 232, 200));
        for (qreal x = kPicture.left() + 20; x < kPicture.right(); x += 40)
            p.fillRect(QRectF(x, kPicture.top(), 14, horizon - kPicture.top()), QColor(244, 222, 186));
        p.fillRect(QRectF(kPicture.left(), horizon, kPicture.width(), kPicture.bottom() - horizon),
                   QColor(196, 146, 98));
    } else {
        QLinearGradient sky(0, kPicture.top(), 0, horizon);
        sky.setColorAt(0, snow ? QColor(200, 210, 226) : QColor(150, 206, 246));
        sky.setColorAt(1, snow ? QColor(236, 240, 246) : QColor(214, 238, 252));
        p.fillRect(QRectF(kPicture.left(), kPicture.top(), kPicture.width(), horizon - kPicture.top()), sky);
        QPainterPath hill;
        hill.moveTo(kPicture.left(), horizon + 8);
        hill.cubicTo(kPicture.left() + 110, horizon - 26, kPicture.left() + 220, horizon + 20,
                     kPicture.right(), horizon - 6);
        hill.lineTo(kPicture.bottomRight());
        hill.lineTo(kPicture.bottomLeft());
        hill.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(snow ? QColor(246, 248, 252) : QColor(136, 198, 96));
        p.drawPath(hill);
    }

    // Scenery behind: sky things high up, the rest along the horizon.
    const QPointF skySlots[] = {{250, 56}, {66, 56}, {158, 44}};
    const QPointF groundSlots[] = {{72, horizon - 30}, {270, horizon - 36}, {170, horizon - 44}};
    int skyUsed = 0, groundUsed = 0;
    for (uint e : page.scenery) {
        const bool high = kSky.contains(e);
        if ((high && skyUsed >= 3) || (!high && groundUsed >= 3))
            continue;
        const QPointF c = high ? skySlots[skyUsed++] : groundSlots[groundUsed++];
        const int size = high ? 76 : 104;
        const QImage picture = renderEmoji(e, size);
        if (!picture.isNull())
            p.drawImage(QPointF(c.x() - size / 2.0, c.y() - size / 2.0), picture);
    }

    // Characters in front, standing on the ground.
    const int n = int(page.characters.size());
    const int size = n <= 1 ? 168 : n == 2 ? 136 : 104;
    const qreal ground = kPicture.bottom() - 14;
    for (int i = 0; i < n; ++i) {
        const qreal cx = kPicture.left() + kPicture.width() * (i + 1) / (n + 1);
        const QImage picture = renderEmoji(page.characters.at(i), size);
        if (picture.isNull())
            continue;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawEllipse(QPointF(cx, ground - 4), size * 0.36, 8);
        p.drawImage(QPointF(cx - size / 2.0, ground - size), picture);
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(176, 150, 110), 3));
    p.drawRoundedRect(kPicture, 16, 16);
}
} // namespace

QList<Story> readStories(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read ") + path;
        return {};
    }
    QList<Story> stories;
    QTextStream in(&file);
    static const QRegularExpression header(QStringLiteral("^story\\s+(\\d+)\\s+(.+)$"));
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNumber;
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QRegularExpressionMatch match = header.match(line.trimmed());
        if (match.hasMatch()) {
            Story story;
            story.number = match.captured(1).toInt();
            story.title = match.captured(2).trimmed();
            stories << story;
            continue;
        }
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (stories.isEmpty() || fields.size() != 3) {
            *error = QStringLiteral("%1:%2: expected a story line or three tab-separated fields")
                         .arg(path)
                         .arg(lineNumber);
            return {};
        }
        // Each turn of a dialogue starts on a line of its own.
        static const QRegularExpression turn(QStringLiteral("([.!?:…]) —(?=[¡¿A-ZÁÉÍÓÚÑ])"));
        QString text = fields.at(2).trimmed();
        text.replace(turn, QStringLiteral("\\1\n—"));
        stories.last().pages << StoryPage{emojiList(fields.at(0)), emojiList(fields.at(1)), text};
    }
    return stories;
}

QImage storyPage(const Story& story, int pageIndex)
{
    const StoryPage& page = story.pages.at(pageIndex);
    QImage image(kPageSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setPen(QPen(QColor(200, 180, 140), 2));
    p.setBrush(QColor(255, 250, 238));
    p.drawRoundedRect(QRectF(1, 1, kPageSize.width() - 2, kPageSize.height() - 2), 20, 20);

    paintScene(p, page);

    QRectF textArea = kText;
    if (pageIndex == 0) {
        p.setFont(andika(30, true));
        p.setPen(QColor(190, 60, 40));
        const QRectF titleBox = p.boundingRect(textArea, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                                               story.title);
        p.drawText(textArea, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, story.title);
        textArea.setTop(titleBox.bottom() + 14);
    }
    // The largest type that fits, no smaller than 18 px.
    qreal pixels = 28;
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
    for (; pixels > 18; pixels -= 1) {
        const QFontMetricsF metrics(andika(pixels, false));
        if (metrics.boundingRect(textArea, flags, page.text).height() <= textArea.height())
            break;
    }
    p.setFont(andika(pixels, false));
    p.setPen(QColor(40, 40, 60));
    p.drawText(textArea, flags, page.text);

    p.setFont(andika(15, false));
    p.setPen(QColor(150, 130, 100));
    p.drawText(QRectF(kText.left(), kPageSize.height() - 30, kText.width(), 20), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("%1 / %2").arg(pageIndex + 1).arg(story.pages.size()));
    return image;
}

bool writeStoryPages(const QString& storiesFile, const QString& languageFolder, QString* error)
{
    const QList<Story> stories = readStories(storiesFile, error);
    if (stories.isEmpty()) {
        if (error->isEmpty())
            *error = storiesFile + QStringLiteral(" holds no story");
        return false;
    }
    const QString folder = languageFolder + QStringLiteral("Cuentos/");
    struct Job
    {
        int story, page;
        QString path;
    };
    QList<Job> jobs;
    for (int s = 0; s < stories.size(); ++s) {
        for (int page = 0; page < stories.at(s).pages.size(); ++page) {
            jobs << Job{s, page, folder + QStringLiteral("leer%1_%2.png").arg(stories.at(s).number).arg(page + 1)};
        }
    }
    const QByteArray key = "stories " + QByteArray::number(kStoriesVersion);
    Stamp stamp(jobs.last().path, {storiesFile}, key);
    bool current = stamp.isCurrent();
    for (const Job& job : jobs)
        current = current && QFile::exists(job.path);
    if (current)
        return true;

    QDir().mkpath(folder);
    const bool ok = runParallel(int(jobs.size()), [&](int i, QString* failure) {
        const Job& job = jobs.at(i);
        if (storyPage(stories.at(job.story), job.page).save(job.path, "PNG"))
            return true;
        *failure = QStringLiteral("cannot write ") + job.path;
        return false;
    }, error);
    if (ok)
        stamp.write();
    return ok;
}

#include "videorotation.h"

#include <QFile>

#include <cmath>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/display.h>
}

int videoRotation(const QString& path)
{
    // Qt 6.4's FFmpeg backend neither turns the frames nor reports the turn,
    // so the container's header is read here with the same libraries.
    AVFormatContext* context = nullptr;
    if (avformat_open_input(&context, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return 0;
    int turn = 0;
    const int index = av_find_best_stream(context, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (index >= 0) {
#if LIBAVFORMAT_VERSION_INT >= AV_VERSION_INT(60, 15, 100)
        const AVCodecParameters* codec = context->streams[index]->codecpar;
        const AVPacketSideData* data = av_packet_side_data_get(
            codec->coded_side_data, codec->nb_coded_side_data, AV_PKT_DATA_DISPLAYMATRIX);
        const auto* matrix = data ? reinterpret_cast<const int32_t*>(data->data) : nullptr;
#else
        const auto* matrix = reinterpret_cast<const int32_t*>(av_stream_get_side_data(
            context->streams[index], AV_PKT_DATA_DISPLAYMATRIX, nullptr));
#endif
        // The matrix's angle is counter-clockwise; showing undoes it.
        const double angle = matrix ? av_display_rotation_get(matrix) : 0.0;
        if (std::isfinite(angle))
            turn = (int(std::lround(-angle / 90.0)) % 4 + 4) % 4 * 90;
    }
    avformat_close_input(&context);
    return turn;
}

#include "engine/platform/testing/ogg_test_encoder.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>

namespace vorantis {

namespace {

void AppendPage(const ogg_page& page, std::vector<std::uint8_t>& out) {
  out.insert(out.end(), page.header, page.header + page.header_len);
  out.insert(out.end(), page.body, page.body + page.body_len);
}

}  // namespace

std::vector<std::uint8_t> EncodeOggForTests(const std::vector<std::int16_t>& samples, int channels,
                                            int rate) {
  std::vector<std::uint8_t> out;
  if (channels <= 0 || rate <= 0) return out;

  vorbis_info info;
  vorbis_info_init(&info);
  if (vorbis_encode_init_vbr(&info, channels, rate, 0.4f) != 0) {
    vorbis_info_clear(&info);
    return out;
  }
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_dsp_state dsp;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block block;
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, 1);

  ogg_packet header, commentHeader, codeHeader;
  vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
  ogg_stream_packetin(&stream, &header);
  ogg_stream_packetin(&stream, &commentHeader);
  ogg_stream_packetin(&stream, &codeHeader);
  ogg_page page;
  while (ogg_stream_flush(&stream, &page) != 0) AppendPage(page, out);

  auto drain = [&] {
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
        ogg_stream_packetin(&stream, &packet);
        while (ogg_stream_pageout(&stream, &page) != 0) AppendPage(page, out);
      }
    }
  };
  const long frames = static_cast<long>(samples.size() / static_cast<std::size_t>(channels));
  const long step = 4096;
  for (long start = 0; start < frames; start += step) {
    const long count = std::min(step, frames - start);
    float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
    for (long i = 0; i < count; ++i)
      for (int c = 0; c < channels; ++c)
        buffer[c][i] = samples[static_cast<std::size_t>((start + i) * channels + c)] / 32768.0f;
    vorbis_analysis_wrote(&dsp, static_cast<int>(count));
    drain();
  }
  vorbis_analysis_wrote(&dsp, 0);  // end of stream
  drain();
  while (ogg_stream_flush(&stream, &page) != 0) AppendPage(page, out);

  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  return out;
}

}  // namespace vorantis

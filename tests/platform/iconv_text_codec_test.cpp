#include "platform/iconv/iconv_text_codec.h"

#include "platform/text_codec_contract.h"

namespace quintrel::test {
namespace {

std::unique_ptr<TextCodec> makeIconvCodec() { return std::make_unique<IconvTextCodec>(); }

INSTANTIATE_TEST_SUITE_P(Iconv, TextCodecContract, ::testing::Values(&makeIconvCodec));

}  // namespace
}  // namespace quintrel::test

// What every realisation of the TextCodec port does alike. The contract's cases are in
// text_codec_contract_test.cpp; each realisation's own test file instantiates TextCodecContract
// with a maker of its codec.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/text_codec.h"

namespace quintrel::test {

using TextCodecMaker = std::unique_ptr<TextCodec> (*)();

class TextCodecContract : public ::testing::TestWithParam<TextCodecMaker> {
 protected:
  void SetUp() override { codec_ = GetParam()(); }
  const TextCodec& codec() const { return *codec_; }

 private:
  std::unique_ptr<TextCodec> codec_;
};

}  // namespace quintrel::test

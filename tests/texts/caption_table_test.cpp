#include "texts/caption_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "texts/message_texts.h"

namespace {

TEST(CaptionTable, HoldsKeysOneTo221WithoutTheUnusedBlock) {
  std::set<TextKey> keys;
  for (const CaptionText& caption : CaptionTable()) {
    EXPECT_TRUE(keys.insert(caption.key).second) << caption.key;
  }
  EXPECT_EQ(keys.size(), 213u);
  for (TextKey key = 1; key <= 221; ++key) {
    EXPECT_EQ(keys.contains(key), key < 182 || key > 189) << key;
  }
}

TEST(CaptionTable, KeysAscendWithinEachWindowAndMarkersOnlyWhereReplaced) {
  const CaptionText* previous = nullptr;
  for (const CaptionText& caption : CaptionTable()) {
    if (previous != nullptr && previous->form == caption.form) {
      EXPECT_LT(previous->key, caption.key);
    }
    if (caption.replaceCrlf) {
      EXPECT_EQ(caption.property, platform::TextProperty::Text) << caption.key;
    }
    previous = &caption;
  }
}

TEST(MessageTable, Holds126KeysInAscendingOrder) {
  TextKey previous = 499;
  for (const MessageText& message : MessageTable()) {
    EXPECT_LT(previous, message.key);
    previous = message.key;
  }
  EXPECT_EQ(MessageTable().size(), 126u);
  EXPECT_LE(previous, 694);
}

}  // namespace

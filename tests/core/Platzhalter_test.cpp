#include <gtest/gtest.h>

#include "data/Einheit.h"

TEST(Satz, IstZweihundertzweiundsiebzigBytesGross) { EXPECT_EQ(sizeof(qnt::TEinheitSatz{}.bytes), 272u); }

// Commas in numbers: thousands separators are dropped, decimal commas
// become points, and a pasted block decides the cells that could be either.
#include <gtest/gtest.h>

#include "NumberCommas.h"

using namespace FX;
using NumberCommas::Use;

TEST(NumberCommas, WhatTheCommasOfOneCellCanBe) {
  const struct {
    const char* text;
    Use use;
  } cases[] = {
      {"1,050,000", Use::GroupsOnly},      {"1,050.5", Use::GroupsOnly},     {"-12,345,678.25e-3", Use::GroupsOnly},
      {" 150,000 ", Use::GroupsOrDecimal}, {"+1,234", Use::GroupsOrDecimal}, {"999,999e2", Use::GroupsOrDecimal},
      {"3,5", Use::DecimalOnly},           {"0,11019", Use::DecimalOnly},    {"1234,5", Use::DecimalOnly},
      {"0,123", Use::DecimalOnly},         {"-1,5e3", Use::DecimalOnly},     {",5", Use::DecimalOnly},
      {"1,0500,000", Use::NoNumber},       {"1,05,000", Use::NoNumber},      {"1,050,000,", Use::NoNumber},
      {"1,2,3a", Use::NoNumber},           {"Time, h", Use::NoNumber},       {"", Use::NoNumber},
      {"0.11019", Use::PointDecimal},      {"-.5", Use::PointDecimal},       {"150000", Use::NoCommas},
      {"1e5", Use::NoCommas},              {"x", Use::NoNumber},             {"1.2.3", Use::NoNumber},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberCommas::useOf(c.text), c.use) << c.text;
}

TEST(NumberCommas, OneNumberDropsCommasThatCanOnlyGroupDigits) {
  const struct {
    const char* text;
    const char* pointed;
  } cases[] = {
      {"1,050,000", "1050000"}, {"1,050.5", "1050.5"}, {"-2,000,000.125", "-2000000.125"},
      {"150,000", "150.000"},   {"3,5", "3.5"},        {"1,2,3a", "1.2.3a"},
      {"2.5", "2.5"},           {"", ""},
  };
  for (const auto& c : cases) EXPECT_STREQ(NumberCommas::pointed(c.text).text(), c.pointed) << c.text;
}

TEST(NumberCommas, APastedBlockReadsItsCommasOneWay) {
  const struct {
    const char* text;
    const char* pointed;
  } cases[] = {
      // A decimal point elsewhere in the block: the commas group digits.
      {"150,000\t0.11019\n", "150000\t0.11019\n"},
      // One cell whose commas can only group digits decides the others.
      {"150,000\t1\n1,050,000\t2\n", "150000\t1\n1050000\t2\n"},
      {"1,050,000", "1050000"},
      {"x, mm\ty\r\n1,234.5\t2,500\r\n", "x. mm\ty\r\n1234.5\t2500\r\n"},
      // A cell that cannot be grouped digits keeps the decimal comma.
      {"1,050,000\t3,5\n", "1050000\t3.5\n"},
      // Decimal commas: today's reading for the whole block.
      {"1,5\t2,25\n3,75\t150,000\n", "1.5\t2.25\n3.75\t150.000\n"},
      {"150,000\t2.5\n0,5\t1\n", "150.000\t2.5\n0.5\t1\n"},
      // Nothing tells: a comma is a decimal comma, as always.
      {"150,000\t2\n", "150.000\t2\n"},
      {"1\t2\n", "1\t2\n"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_STREQ(NumberCommas::pointedBlock(c.text).text(), c.pointed) << c.text;
}

// Test doubles shared by the engine tests: a scripted generator, and a
// session built around one with its lists read back as vectors.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/draw_session.h"

namespace lotwheel {

// Plays values from a function and counts the calls made to it.
struct ScriptedRandomSource final : RandomSource {
  explicit ScriptedRandomSource(std::function<float()> values)
      : next(std::move(values)) {}
  void Reseed() override { ++reseeds; }
  float Next() override { return ++nexts, next(); }

  std::function<float()> next;
  int reseeds = 0;
  int nexts = 0;
};

using Entries = std::vector<std::u16string>;

// A session whose generator always answers r, until told otherwise.
struct ScriptedSession {
  explicit ScriptedSession(float r = 0.0f)
      : random(new ScriptedRandomSource([r] { return r; })),
        session(std::unique_ptr<RandomSource>(random)) {}

  Entries Source() const {
    Entries e;
    for (int16_t i = 0; i < session.SourceCount(); ++i)
      e.emplace_back(session.SourceAt(i));
    return e;
  }
  Entries Output() const {
    Entries e;
    for (int16_t i = 0; i < session.OutputCount(); ++i)
      e.emplace_back(session.OutputAt(i));
    return e;
  }

  ScriptedRandomSource* random;  // owned by session
  DrawSession session;
};

}  // namespace lotwheel

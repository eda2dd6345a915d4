// Sets an output's CRTC to a mode, resizing the screen to fit, and puts a
// saved configuration back.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantiro::x11 {

// An output's CRTC and the screen size as they were, to return to.
struct SavedConfiguration {
  std::string output;
  unsigned long crtc = 0;
  unsigned long mode = 0;
  int x = 0;
  int y = 0;
  unsigned short rotation = 0;
  std::vector<unsigned long> outputs;  // every output that the CRTC drives
  int screenWidth = 0;
  int screenHeight = 0;
  int screenWidthMm = 0;
  int screenHeightMm = 0;
};

// The configuration of the output now; nullopt when it drives no CRTC.
std::optional<SavedConfiguration> SaveConfiguration(const std::string& output);

// Sets the output's CRTC to `mode`, keeping its position and rotation, and
// makes the screen just large enough for every CRTC. False when the server
// refuses or the screen cannot be that large.
bool SetOutputMode(const std::string& output, unsigned long mode);

// Puts the saved CRTC configuration back and the screen size with it, grown
// only as far as the other CRTCs need now.
bool RestoreConfiguration(const SavedConfiguration& saved);

}  // namespace vantiro::x11

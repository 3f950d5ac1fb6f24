// The cloud layer: in half of the scenes a perspective sheet of clouds over the whole
// sky, blended in one colour (a sky colour of the palette, or white). Each sky row shows
// one row of the cloud texture, a centred stretch of it whose length changes linearly
// from the top of the sky to the horizon, stretched over the canvas width. Clear texture
// bytes leave the sky as it is. The row above the horizon and everything below are left
// to the ground.
//
// Draws: one table value always; with clouds a second one and 2054 rand() values.
// Out of memory for the texture skips the sheet (the draws already made stay consumed).
#pragma once

namespace vorrith {

void DrawClouds();

}  // namespace vorrith

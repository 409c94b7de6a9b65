#pragma once

class TCamera;
class TObjectList;

// Chooses the camera's scale and origin so that the projected points of every
// visible curve fill a view of width x height pixels but for a margin of 5 % on
// each side, at the camera's angles and projection. The reference planes may
// fall outside. Returns false, the camera unchanged, when no visible curve has a
// point in front of the eye.
bool FitView(TCamera& camera, const TObjectList& curves, int width, int height);

#pragma once
// Every stored setting of a show that its records read: the steps, the field, marching,
// animation and view options. The show document holds them; formations and people reach them
// through the show they belong to (ShowContext) without knowing the document.
#include "core/util/types.h"

namespace px {

struct ShowSettings {
  // Show state.
  int m_nCurrentStep = 0;
  int m_nLastStep = 0;
  int m_nMidiDevice = 0;

  // Field geometry.
  int m_nFieldType = 0;
  double m_dFieldWidth = 7200.0;
  double m_dFieldHeight = 3780.0;
  double m_dHash1 = 1260.0;
  double m_dHash2 = 2520.0;
  int m_bShowHash1 = 1, m_bShowHash2 = 1;
  int m_bCenterHorizontal = 0;
  int m_bBoldLines = 0;
  int m_bVertical8 = 1, m_bHorizontal8 = 1, m_bDotted8 = 0;
  int m_bVertical4 = 0, m_bHorizontal4 = 0, m_bDotted4 = 0;
  int m_bVertical2 = 0, m_bHorizontal2 = 0, m_bDotted2 = 0;
  int m_bVertical1 = 0, m_bHorizontal1 = 0, m_bDotted1 = 0;
  COLORREF m_crField = 0xFFFFFF;
  COLORREF m_crLines8 = 0x000000, m_crLines4 = 0x414141, m_crLines2 = 0x828282, m_crLines1 = 0xC8C8C8;
  COLORREF m_crHash = 0x000000;

  // Marching and animation.
  double m_dStepSize = 45.0;
  double m_dInterval = 90.0;
  double m_dSnapDistance = 90.0;
  int m_nTempo = 300;
  int m_bLoopAtEnd = 0;
  int m_bStopAtEnd = 1;
  int m_bSyncToMidi = 1;
  int m_bStopAtPicture = 0;
  int m_bSaveStepsToMemory = 1;
  int m_bUndoEnabled = 1;
  int m_bUndoToMemory = 1;

  // View options.
  int m_nPersonSize = 24;
  int m_bLetterFill = 0;
  int m_bDirectionalIndicators = 1;
  int m_bOutlineFill3D = 0;
  int m_bFill3D = 1;
  int m_b3DHeight = 1;
  int m_n3DHeight = 1200;
  int m_n3DDepth = 1700;
  int m_bSticky = 1;
  int m_bStepBeep = 0;
  int m_bShowPaths = 0;
  int m_bPeopleAsBitmaps = 0;
  int m_bShowFlags = 1;
  int m_bShowIdNumbers = 0;
  int m_nIdPosition = 3;
  int m_nIdSize = 50;
  int m_bIdAsIndex = 0;
  int m_bShowMarchMode = 0;
  int m_bShowStepSize = 0;
  int m_nPeopleTextSize = 50;
  int m_bOutlineFuture = 0;
  int m_bOutlinePast = 0;
  int m_bDrawOnAnimate = 0;
  int m_nShapeHandleSize = 36;
  int m_nControlHandleSize = 36;
  int m_bSnapOnMove = 0;
  int m_bShowSnapPoints = 0;
  int m_bSnapOnSizeAndDraw = 0;
  int m_nPrintRange = 2;
  int m_bPrintColor = 0;
  COLORREF m_crFormation = 0x000000;
  COLORREF m_crPastFormation = 0x969696;
  COLORREF m_crFutureFormation = 0x969696;
  COLORREF m_crSelectedFormation = 0x00FF00;
  COLORREF m_crPerson = 0x000000;
  COLORREF m_crPersonFill = 0xFFFFFF;
  COLORREF m_crIdNumbers = 0x000000;
  COLORREF m_crFlag = 0xFFFFFF;
};

}  // namespace px

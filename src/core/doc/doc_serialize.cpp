// The stored form of the show document, and the steps that follow reading it.
#include <algorithm>
#include <cmath>

#include "core/doc/archive.h"
#include "core/doc/pxdoc.h"
#include "core/people/people_on_formation.h"

namespace px {
namespace {

constexpr int kFileVersion = 12;

// The dialogs take a step or interval of 12 inches up to what their 10-character fields
// hold; anything else in a file is damage, not a setting.
bool PlausibleLength(double units) { return std::isfinite(units) && units >= 24.0 && units <= 2e7; }

}  // namespace

void CPxDoc::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    m_nFileVersion[0] = 1;
    m_nFileVersion[1] = kFileVersion;
    RenumberFormations();
    ar.WriteWord(m_nFileVersion[0]);
    ar.WriteWord(m_nFileVersion[1]);
  } else {
    m_nFileVersion[0] = ar.ReadWord();
    m_nFileVersion[1] = std::min<std::uint16_t>(ar.ReadWord(), kFileVersion);  // newer files read as ours
  }
  const int v = m_nFileVersion[1];
  const bool storing = ar.IsStoring();
  auto since = [&](int version) { return storing || v >= version; };

  ar.XferDouble(m_dStepSize);
  ar.XferDouble(m_dInterval);
  ar.XferDouble(m_dSnapDistance);
  for (COLORREF* c : {&m_crSelectedFormation, &m_crFlag, &m_crFutureFormation, &m_crPastFormation, &m_crField,
                      &m_crLines8, &m_crIdNumbers, &m_crFormation, &m_crPerson})
    ar.XferDword(*c);
  for (int* w : {&m_bSaveStepsToMemory, &m_nTempo, &m_bStepBeep, &m_bPeopleAsBitmaps, &m_bShowFlags,
                 &m_bShowIdNumbers, &m_bOutlineFuture, &m_bOutlinePast, &m_bShowSnapPoints, &m_bSnapOnSizeAndDraw,
                 &m_bSnapOnMove, &m_bVertical4, &m_bVertical8, &m_bUndoEnabled, &m_bUndoToMemory, &m_bPrintColor,
                 &m_bSticky, &m_nCurrentStep, &m_bOutlineFill3D, &m_bFill3D, &m_nIdPosition, &m_nIdSize,
                 &m_n3DHeight, &m_n3DDepth, &m_b3DHeight, &m_nPersonSize, &m_nPrintRange,
                 &m_bDirectionalIndicators, &m_bDrawOnAnimate, &m_bIdAsIndex, &m_bShowMarchMode, &m_bShowStepSize,
                 &m_bLetterFill, &m_bShowPaths, &m_bLoopAtEnd, &m_bStopAtEnd, &m_bSyncToMidi, &m_bStopAtPicture})
    ar.XferWord(*w);

  ar.XferList(m_formations);
  if (!storing) {
    // A band member is not a formation, even though its record extends one.
    for (const auto& f : m_formations)
      if (dynamic_cast<CPerson*>(f.get())) throw ArchiveFormatError("person in the formation list");
    for (const auto& f : m_formations) f->m_pDocument = this;
  }
  ar.XferList(m_people);
  if (!storing)
    for (const auto& p : m_people) p->m_pDocument = this;
  ar.XferStringList(m_comments);
  ar.XferStringList(m_songs);
  for (auto& file : m_strSymbolBitmapFile) ar.XferString(file);
  ar.XferWord(m_nMidiDevice);

  if (since(2)) ar.XferWord(m_nPeopleTextSize); else m_nPeopleTextSize = 50;
  if (since(3)) {
    ar.XferWord(m_nControlHandleSize);
    ar.XferWord(m_nShapeHandleSize);
  } else {
    m_nControlHandleSize = m_nShapeHandleSize = 24;
  }
  if (since(4)) ar.XferWord(m_bHorizontal8); else m_bHorizontal8 = 1;
  if (since(5)) {
    for (std::string* s : {&m_strClient, &m_strClientContact, &m_strCompany, &m_strDate, &m_strDesigner,
                           &m_strContactInfo, &m_strOtherInfo, &m_strTitle})
      ar.XferString(*s);
  }
  if (since(6)) ar.XferDword(m_crPersonFill); else m_crPersonFill = 0xFFFFFF;
  if (since(7)) ar.XferWord(m_bVertical1); else m_bVertical1 = 0;
  if (since(8)) {
    ar.XferDouble(m_dFieldWidth);
    ar.XferDouble(m_dFieldHeight);
  } else {
    m_dFieldWidth = 7200.0;
    m_dFieldHeight = 3780.0;
  }
  if (since(9)) {
    ar.XferDouble(m_dHash1);
    ar.XferDouble(m_dHash2);
    for (int* w : {&m_bDotted8, &m_bDotted4, &m_bDotted2, &m_bDotted1, &m_bHorizontal4, &m_bHorizontal1,
                   &m_bVertical2, &m_bHorizontal2})
      ar.XferWord(*w);
    for (COLORREF* c : {&m_crLines4, &m_crLines2, &m_crLines1, &m_crHash}) ar.XferDword(*c);
    ar.XferWord(m_nFieldType);
  } else {
    // Older shows had one line colour and fixed hash lines.
    m_dHash1 = 1260.0;
    m_dHash2 = 2520.0;
    m_bDotted8 = m_bDotted4 = m_bDotted2 = m_bDotted1 = 0;
    m_bHorizontal4 = m_bHorizontal1 = m_bVertical2 = m_bHorizontal2 = 0;
    m_bVertical4 = m_bVertical1 = 0;
    m_crLines4 = m_crLines8;
    m_crLines2 = 0x828282;
    m_crLines1 = 0xC8C8C8;
    m_crHash = m_crLines8;
    m_nFieldType = 0;
  }
  if (since(10)) {
    ar.XferWord(m_bShowHash1);
    ar.XferWord(m_bShowHash2);
  } else {
    m_bShowHash1 = m_bShowHash2 = 1;
  }
  if (since(11)) ar.XferWord(m_bBoldLines); else m_bBoldLines = 0;
  if (since(12)) ar.XferWord(m_bCenterHorizontal); else m_bCenterHorizontal = 0;

  if (storing) {
    RecalcLastStep();
    m_nCurrentStep = std::min(m_nCurrentStep, m_nLastStep);
  } else {
    AfterLoading();
  }
}

void CPxDoc::AfterLoading() {
  // A damaged header must not leave every step computed from a step of 1e-207 inches: the
  // defaults come back and the rest of the show opens as it was.
  const ShowSettings defaults;
  if (!PlausibleLength(m_dStepSize)) m_dStepSize = defaults.m_dStepSize;
  if (!PlausibleLength(m_dInterval)) m_dInterval = defaults.m_dInterval;
  RelinkPlaces();
  auto spotFormationsAtCurrentStep = [this] {
    for (const auto& f : m_formations)
      if (f->m_nStep == m_nCurrentStep) RecalcSpots(*f);
  };
  spotFormationsAtCurrentStep();
  for (const auto& f : m_formations) m_nLastStep = std::max(m_nLastStep, f->m_nStep);
  RecalcPositions();
  LoadSymbolBitmaps();
  RecalcLastStep();
  if (m_nCurrentStep > m_nLastStep) {
    // A show saved beyond its last step opens at the last step, spotted and with everyone
    // standing as they stand there rather than as they stood at the step saved.
    m_nCurrentStep = m_nLastStep;
    spotFormationsAtCurrentStep();
    RecalcPositions();
  }
}

}  // namespace px

#include "cli/show_json.h"

#include "core/doc/pxdoc.h"
#include "core/util/cp1252.h"

namespace px {
namespace {

using nlohmann::json;

json Text(const std::string& s) { return Cp1252ToUtf8(s); }
json Point(CPoint p) { return json::array({p.x, p.y}); }
json Rect(const CRect& r) { return json::array({r.left, r.top, r.right, r.bottom}); }

json FormationJson(const CFormation& f) {
  json j;
  j["class"] = f.GetRuntimeClassName();
  j["m_nVersion"] = f.m_nVersion;
  j["m_strName"] = Text(f.m_strName);
  j["m_strNote"] = Text(f.m_strNote);
  j["m_nShape"] = f.m_nShape;
  j["m_bSpread"] = f.m_bSpread;
  j["m_bScaleToFit"] = f.m_bScaleToFit;
  j["m_bScaleToInterval"] = f.m_bScaleToInterval;
  j["m_nStep"] = f.m_nStep;
  j["m_nEndStep"] = f.m_nEndStep;
  j["m_nNumber"] = f.m_nNumber;
  j["m_nExtra"] = f.m_nExtra;
  j["m_nPlaces"] = f.m_nPlaces;
  j["m_nSpare"] = f.m_nSpare;
  j["m_rcBase"] = Rect(f.m_rcBase);
  j["m_ptPivot"] = Point(f.m_ptPivot);
  j["m_dInterval"] = f.m_dInterval;
  j["m_dRotation"] = f.m_dRotation;
  j["m_dArcStart"] = f.m_dArcStart;
  j["m_dArcEnd"] = f.m_dArcEnd;
  j["m_ptArcStart"] = Point(f.m_ptArcStart);
  j["m_ptArcEnd"] = Point(f.m_ptArcEnd);
  j["m_dSkew"] = f.m_dSkew;
  j["m_bReverse"] = f.m_bReverse;
  j["m_bBlock"] = f.m_bBlock;
  j["m_nRows"] = f.m_nRows;
  j["m_logpen"] = {{"style", f.m_logpen.lopnStyle},
                   {"width", Point(f.m_logpen.lopnWidth)},
                   {"color", f.m_logpen.lopnColor}};
  j["m_logbrush"] = {{"style", f.m_logbrush.lbStyle}, {"color", f.m_logbrush.lbColor}, {"hatch", f.m_logbrush.lbHatch}};
  j["m_nPoints"] = f.m_nPoints;
  j["m_nAllocPoints"] = f.m_nAllocPoints;
  json vertices = json::array();
  for (int i = 0; i < f.m_nPoints && i < static_cast<int>(f.m_pPoints.size()); ++i)
    vertices.push_back(Point(f.m_pPoints[static_cast<size_t>(i)]));
  j["vertices"] = vertices;
  j["m_bPoint"] = f.m_bPoint;
  j["m_bFill"] = f.m_bFill;
  j["m_bArrow"] = f.m_bArrow;
  j["m_nCurveRepeat"] = f.m_nCurveRepeat;
  json slots = json::array();
  for (const CPlace* place : f.m_ppPlaces)
    slots.push_back(place && place->m_pPerson ? json(place->m_pPerson->m_nNumber) : json(nullptr));
  j["slots"] = slots;
  return j;
}

json PlaceJson(const CPlace& p) {
  return json{{"class", p.GetRuntimeClassName()},
              {"m_nSchema", p.m_nSchema},
              {"m_nStep", p.m_nStep},
              {"m_nMarchMode", p.m_nMarchMode},
              {"m_bAnchor", p.m_bAnchor},
              {"m_bReverse", p.m_bReverse},
              {"m_bClockwise", p.m_bClockwise},
              {"m_bEndClockwise", p.m_bEndClockwise},
              {"m_bStartClockwise", p.m_bStartClockwise},
              {"m_nFormationID", p.m_nFormationID},
              {"m_nSlot", p.m_nSlot},
              {"m_nWaitBefore", p.m_nWaitBefore},
              {"m_nWaitAfter", p.m_nWaitAfter},
              {"m_ptSpot", Point(p.m_ptSpot)},
              {"m_bFlex", p.m_bFlex},
              {"m_bSimple", p.m_bSimple}};
}

json StepInstJson(const CStepInst& s) {
  return json{{"class", s.GetRuntimeClassName()},
              {"m_nSchema", s.m_nSchema},
              {"m_nCount", s.m_nCount},
              {"m_bTowardStands", s.m_bTowardStands},
              {"m_bAwayFromStands", s.m_bAwayFromStands},
              {"m_bTowardRight", s.m_bTowardRight},
              {"m_bTowardLeft", s.m_bTowardLeft},
              {"m_nSteps", s.m_nSteps},
              {"m_dStepSize", s.m_dStepSize}};
}

json PersonJson(const CPerson& p) {
  json j = FormationJson(p);
  j["personVersion"] = p.m_nPersonVersion;
  j["position"] = Point(p.m_ptPosition);
  json places = json::array();
  for (const auto& place : p.m_places) places.push_back(PlaceJson(*place));
  j["m_places"] = places;
  json insts = json::array();
  for (const auto& inst : p.m_stepInsts) insts.push_back(StepInstJson(*inst));
  j["m_stepInsts"] = insts;
  j["m_nGroup"] = p.m_nGroup;
  j["m_strHeight"] = Text(p.m_strHeight);
  j["m_nHeight2"] = p.m_nHeight2;
  return j;
}

json Strings(const std::vector<std::string>& list) {
  json a = json::array();
  for (const auto& s : list) a.push_back(Text(s));
  return a;
}

}  // namespace

json ShowToJson(const CPxDoc& d) {
  json j;
  j["version"] = json::array({d.m_nFileVersion[0], d.m_nFileVersion[1]});
  const std::pair<const char*, double> doubles[] = {
      {"m_dStepSize", d.m_dStepSize},     {"m_dInterval", d.m_dInterval},     {"m_dSnapDistance", d.m_dSnapDistance},
      {"m_dFieldWidth", d.m_dFieldWidth}, {"m_dFieldHeight", d.m_dFieldHeight}, {"m_dHash1", d.m_dHash1},
      {"m_dHash2", d.m_dHash2}};
  for (const auto& [name, value] : doubles) j[name] = value;
  const std::pair<const char*, COLORREF> colours[] = {
      {"m_crSelectedFormation", d.m_crSelectedFormation}, {"m_crFlag", d.m_crFlag},
      {"m_crFutureFormation", d.m_crFutureFormation},     {"m_crPastFormation", d.m_crPastFormation},
      {"m_crField", d.m_crField},                         {"m_crLines8", d.m_crLines8},
      {"m_crLines4", d.m_crLines4},                       {"m_crLines2", d.m_crLines2},
      {"m_crLines1", d.m_crLines1},                       {"m_crHash", d.m_crHash},
      {"m_crIdNumbers", d.m_crIdNumbers},                 {"m_crFormation", d.m_crFormation},
      {"m_crPerson", d.m_crPerson},                       {"m_crPersonFill", d.m_crPersonFill}};
  for (const auto& [name, value] : colours) j[name] = value;
  const std::pair<const char*, int> ints[] = {
      {"m_bSaveStepsToMemory", d.m_bSaveStepsToMemory}, {"m_nTempo", d.m_nTempo},
      {"m_bStepBeep", d.m_bStepBeep},                   {"m_bPeopleAsBitmaps", d.m_bPeopleAsBitmaps},
      {"m_bShowFlags", d.m_bShowFlags},                 {"m_bShowIdNumbers", d.m_bShowIdNumbers},
      {"m_bOutlineFuture", d.m_bOutlineFuture},         {"m_bOutlinePast", d.m_bOutlinePast},
      {"m_bShowSnapPoints", d.m_bShowSnapPoints},       {"m_bSnapOnSizeAndDraw", d.m_bSnapOnSizeAndDraw},
      {"m_bSnapOnMove", d.m_bSnapOnMove},               {"m_bVertical8", d.m_bVertical8},
      {"m_bVertical4", d.m_bVertical4},                 {"m_bVertical2", d.m_bVertical2},
      {"m_bVertical1", d.m_bVertical1},                 {"m_bHorizontal8", d.m_bHorizontal8},
      {"m_bHorizontal4", d.m_bHorizontal4},             {"m_bHorizontal2", d.m_bHorizontal2},
      {"m_bHorizontal1", d.m_bHorizontal1},             {"m_bDotted8", d.m_bDotted8},
      {"m_bDotted4", d.m_bDotted4},                     {"m_bDotted2", d.m_bDotted2},
      {"m_bDotted1", d.m_bDotted1},                     {"m_bUndoEnabled", d.m_bUndoEnabled},
      {"m_bUndoToMemory", d.m_bUndoToMemory},           {"m_bPrintColor", d.m_bPrintColor},
      {"m_bSticky", d.m_bSticky},                       {"m_nCurrentStep", d.m_nCurrentStep},
      {"m_nLastStep", d.m_nLastStep},                   {"m_bOutlineFill3D", d.m_bOutlineFill3D},
      {"m_bFill3D", d.m_bFill3D},                       {"m_nIdPosition", d.m_nIdPosition},
      {"m_nIdSize", d.m_nIdSize},                       {"m_n3DHeight", d.m_n3DHeight},
      {"m_n3DDepth", d.m_n3DDepth},                     {"m_b3DHeight", d.m_b3DHeight},
      {"m_nPersonSize", d.m_nPersonSize},               {"m_nPrintRange", d.m_nPrintRange},
      {"m_bDirectionalIndicators", d.m_bDirectionalIndicators}, {"m_bDrawOnAnimate", d.m_bDrawOnAnimate},
      {"m_bIdAsIndex", d.m_bIdAsIndex},                 {"m_bShowMarchMode", d.m_bShowMarchMode},
      {"m_bShowStepSize", d.m_bShowStepSize},           {"m_bLetterFill", d.m_bLetterFill},
      {"m_bShowPaths", d.m_bShowPaths},                 {"m_bLoopAtEnd", d.m_bLoopAtEnd},
      {"m_bStopAtEnd", d.m_bStopAtEnd},                 {"m_bSyncToMidi", d.m_bSyncToMidi},
      {"m_bStopAtPicture", d.m_bStopAtPicture},         {"m_nMidiDevice", d.m_nMidiDevice},
      {"m_nPeopleTextSize", d.m_nPeopleTextSize},       {"m_nControlHandleSize", d.m_nControlHandleSize},
      {"m_nShapeHandleSize", d.m_nShapeHandleSize},     {"m_nFieldType", d.m_nFieldType},
      {"m_bShowHash1", d.m_bShowHash1},                 {"m_bShowHash2", d.m_bShowHash2},
      {"m_bBoldLines", d.m_bBoldLines},                 {"m_bCenterHorizontal", d.m_bCenterHorizontal}};
  for (const auto& [name, value] : ints) j[name] = value;
  const std::pair<const char*, const std::string*> texts[] = {
      {"m_strTitle", &d.m_strTitle},       {"m_strDesigner", &d.m_strDesigner},
      {"m_strCompany", &d.m_strCompany},   {"m_strContactInfo", &d.m_strContactInfo},
      {"m_strClient", &d.m_strClient},     {"m_strClientContact", &d.m_strClientContact},
      {"m_strDate", &d.m_strDate},         {"m_strOtherInfo", &d.m_strOtherInfo}};
  for (const auto& [name, value] : texts) j[name] = Text(*value);
  j["m_strSymbolBitmapFile"] = Strings({d.m_strSymbolBitmapFile.begin(), d.m_strSymbolBitmapFile.end()});
  j["m_comments"] = Strings(d.m_comments);
  j["m_songs"] = Strings(d.m_songs);
  json formations = json::array();
  for (const auto& f : d.m_formations) formations.push_back(FormationJson(*f));
  j["m_formations"] = formations;
  json people = json::array();
  for (const auto& p : d.m_people) people.push_back(PersonJson(*p));
  j["m_people"] = people;
  return j;
}

}  // namespace px

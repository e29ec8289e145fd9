#pragma once

#include <QPointF>
#include <QSizeF>
#include <QVector>

// From the tracker's 68 points to the engine's human face table: 106 face
// points and the two top screen corners (106, 107), in the same pixels as
// the 68. Point by point (d = the 68 points, as listed in LWFaceModel.h):
//
//   0-32    jaw, left ear over the chin (16) to the right ear: on the smooth
//           curve through d0-d16 (continued straight past d0 and d16, as
//           the table's contour starts a little higher on the ears), the
//           chin at d8; the points close up towards the chin as the
//           table's do (see jawParameter)
//   33-37   left brow, outer tip to inner end: d17-d21
//   38-42   right brow, inner end to outer tip: d22-d26
//   43-46   nose bridge, root to tip: d27-d30
//   47-51   nostril line, left to right: d31-d35
//   52-57   left eye: outer corner d36, upper lid d37 d38, inner corner d39,
//           lower lid d40 d41 (the table's order is the model's)
//   58-63   right eye: inner corner d42, upper d43 d44, outer corner d45,
//           lower d46 d47
//   64-67   left brow's lower edge at 1/5 .. 4/5 from the outer tip: the
//           upper edge there moved down (away from the forehead) by the
//           brow's thickness, kBrowThickness eye distances
//   68-71   right brow's lower edge, inner to outer, the same way
//   72, 73  left eye's upper and lower middle: mean of d37 d38 / d40 d41
//   74      left pupil: centre of the left eye's six points
//   75-77   the same for the right eye (d43 d44 / d46 d47, centre)
//   78-81   nose sides (78/79 beside the upper bridge, 80/81 beside the
//           lower bridge): on the nose's own frame (bridge d27-d30 down, the
//           nostril line d31-d35 across), at the places the standard face
//           has them
//   82, 83  the nostril wings' outer points: on the nostril line's frame
//           (d31-d35 across, square to it up), kWingOut nose widths out
//           from its middle and kWingUp above it, as on the standard face
//   84-90   outer lip, left corner over the upper lip to the right corner:
//           d48-d54
//   91-95   outer lower lip, right to left: d55-d59
//   96-100  inner upper lip, left corner to right corner: d60, d62, d64
//           at 96, 98, 100; on the smooth curve through d60-d64, 97
//           half-way by length from d60 to d62 and 99 from d62 to d64 (the
//           model's d61 and d63 sit under the upper lip's peaks, nearer the
//           middle than the table's evenly spaced points)
//   101-103 inner lower lip, right to left: d66 at 102; on the curve
//           through d64 d65 d66 d67 d60, 101 half-way from d64 to d66 and
//           103 from d66 to d60
//   104,105 pupil centres: as 74 and 77
//   106,107 the picture's top-left (0, 0) and top-right (width, 0) corners:
//           screen-fixed foregrounds stay on the screen
namespace LWFaceMapping {

constexpr int kFacePoints = 106;
constexpr int kTablePoints = 108;
// The brow's thickness in eye distances (pupil to pupil), as drawn.
constexpr double kBrowThickness = 0.066;
// Where the nostril wings' outer points lie from the middle of the nostril
// line, in nose widths (d31 to d35): out along it and up from it.
constexpr double kWingOut = 0.583;
constexpr double kWingUp = 0.190;

// The 108 table points from 68 tracked ones in a picture of the given size;
// empty when the input does not hold 68 points.
QVector<QPointF> humanPoints(const QVector<QPointF> &tracked, const QSizeF &picture);

// Where jaw point i (0..32) lies on the model's jaw, in its point numbers
// (fractional, a little below 0 and above 16 at the ears): the chin (16)
// at 8.
double jawParameter(int i);

} // namespace LWFaceMapping

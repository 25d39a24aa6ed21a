#pragma once
// The circuits' colours, one scheme for every picture of the board: the 3D board, the flat
// diagrams (hint window, print preview, printed sheet) and the rules pages' pictures, whose
// generator (pictures/make_pictures.py) reads the numbers from this file. The rules call the
// inner circuit green and the outer one blue.

namespace circumvia::assets {

struct CircuitColour {
    int red;
    int green;
    int blue;
};

inline constexpr CircuitColour kInnerCircuitColour{26, 140, 64};
inline constexpr CircuitColour kOuterCircuitColour{40, 86, 200};

}  // namespace circumvia::assets

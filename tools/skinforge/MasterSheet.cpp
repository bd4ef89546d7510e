#include "MasterSheet.h"

#include "Cells.h"
#include "ControlArt.h"
#include "FrameArt.h"
#include "Layout.h"
#include "Textures.h"

namespace tornivex::forge {

QImage PaintMasterSheet(const SkinStyle& st, const QColor& under) {
    QImage sheet(MasterWidth, MasterHeight, QImage::Format_RGB32);
    sheet.fill(QColor(255, 0, 255)); // unused space is key colour
    PutOpaque(sheet, FormTexture.Origin(), st.FormTextureTile);
    PutOpaque(sheet, ButtonTexture.Origin(), ProfileColumn(ButtonTexture.Height, st.ButtonProfile));
    PaintCheckBoxes(sheet, st);
    PaintRadioButtons(sheet, st);
    PaintMenuCheck(sheet, st);
    PaintSmallTitleGlyphs(sheet, st);
    PaintBigTitleGlyphs(sheet, st);
    PaintTitleButtonPlates(sheet, st);
    PaintScrollArrows(sheet, st);
    PaintThumbRidges(sheet, st);
    PaintSizeGrip(sheet, st, under);
    PaintButtonFrames(sheet, st);
    PaintHotButtonFrames(sheet, st);
    PaintFormFrames(sheet, st);
    PaintEditFrame(sheet, st);
    PaintPanelFrames(sheet, st);
    PaintGroupBoxFrame(sheet, st);
    PaintSelectionFrames(sheet, st);
    PaintTrackFrames(sheet, st);
    PaintScrollButtonFrames(sheet, st);
    PaintThumbFrames(sheet, st);
    PaintTabFrames(sheet, st);
    PaintOuterEffectMasks(sheet, st);
    return sheet;
}

} // namespace tornivex::forge

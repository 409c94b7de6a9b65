#include "ui/dialogs/graph_dialogs.h"

#include "render/draw_function.h"
#include "ui/dialogs/animasyon_frm.h"
#include "ui/dialogs/bakis_frm.h"
#include "ui/dialogs/buyukluk_frm.h"
#include "ui/dialogs/ozellikler_frm.h"
#include "ui/dialogs/saysal_frm.h"
#include "ui/dialogs/spin_edit.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSpinBox>

namespace {
QString captionFor(const QString& own, const QString& owner) { return own + " (" + owner + ")"; }
}

bool TGraphDialogRunner::EditSettings(TGraphSettings& values, const QString& settingsFile,
    QWidget* parent, const QString& ownerCaption)
{
    TOzelliklerFrm form(settingsFile, parent);
    form.setWindowTitle(captionFor(form.windowTitle(), ownerCaption));
    form.Fill(values);
    if (form.exec() != QDialog::Accepted)
        return false;
    values = form.Values();
    return true;
}

bool TGraphDialogRunner::EditAngles(
    int& xAngle, int& yAngle, QWidget* parent, const QString& ownerCaption)
{
    TBakisFrm form(parent);
    form.setWindowTitle(captionFor(form.windowTitle(), ownerCaption));
    form.XEkseniEdit->SetValue(xAngle);
    form.YEkseniEdit->SetValue(yAngle);
    if (form.exec() != QDialog::Accepted)
        return false;
    xAngle = form.XEkseniEdit->value();
    yAngle = form.YEkseniEdit->value();
    return true;
}

bool TGraphDialogRunner::EditZoom(int& percent, QWidget* parent, const QString& ownerCaption)
{
    TBuyuklukFrm form(parent);
    form.setWindowTitle(captionFor(form.windowTitle(), ownerCaption));
    form.BuyuklukSEdit->SetValue(percent);
    if (form.exec() != QDialog::Accepted)
        return false;
    percent = form.BuyuklukSEdit->value();
    return true;
}

void TGraphDialogRunner::ShowValues(
    const TObjectList& curves, int firstCurve, QWidget* parent, const QString& ownerCaption)
{
    TSaysalFrm form(parent);
    form.setWindowTitle(captionFor(form.windowTitle(), ownerCaption));
    form.SetCurves(&curves, firstCurve);
    form.exec();
}

bool TGraphDialogRunner::EditAnimation(TAnimationSettings& values,
    const std::vector<TParameter>& parameters, QWidget* parent, const QString& ownerCaption)
{
    TAnimasyonFrm form(parameters, parent);
    form.setWindowTitle(captionFor(form.windowTitle(), ownerCaption));
    form.SetValues(values);
    if (form.exec() != QDialog::Accepted)
        return false;
    values = form.Values();
    return true;
}

QString TGraphDialogRunner::AskAnimationFile(
    TAnimationFileType type, const QString& suggested, QWidget* parent)
{
    if (type == TAnimationFileType::NumberedPng) {
        const QString folder = QFileDialog::getExistingDirectory(
            parent, tr("Resimlerin yazılacağı klasör"), QFileInfo(suggested).absolutePath());
        return folder.isEmpty() ? QString() : QDir(folder).filePath("ad_%03d.png");
    }
    const bool gif = type == TAnimationFileType::Gif;
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(gif ? tr("Hareketli GIF (*.gif)") : tr("Hareketli WebP (*.webp)"));
    dialog.setDefaultSuffix(gif ? "gif" : "webp");
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool ShowPreviewProperties(TDrawFunction& preview, const QString& settingsFile, QWidget* parent,
    const QString& ownerCaption)
{
    // The preview has no timer: the interval field keeps its design value.
    TGraphSettings values = TGraphSettings::Of(preview, TOzelliklerFrm::DesignAnimInterval);
    if (!TGraphDialogRunner().EditSettings(values, settingsFile, parent, ownerCaption))
        return false;
    int interval = 0;
    values.ApplyTo(preview, interval);
    return true;
}

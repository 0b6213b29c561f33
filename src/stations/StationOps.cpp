#include "stations/StationOps.h"

#include "shell/AssistantTexts.h"
#include "stations/StationsModel.h"
#include "store/Database.h"
#include "util/Interaction.h"

QString StationCountText(int count)
{
    return QStringLiteral("Mesas: ") + QString::number(count);
}

QString StationKeyViolationText(const QString &dt, const QString &sec, const QString &mesa)
{
    return QStringLiteral("INFRACCION DE CLAVE: YA EXISTE LA MESA DISTRITO %1, SECCION %2, "
                          "MESA %3.\n\nCambie el distrito, la sección o la mesa antes de "
                          "guardarla.")
        .arg(dt, sec, mesa);
}

void AddStation(StationsModel &model)
{
    model.append();
}

bool SaveStation(StationsModel &model, Database &db, Interaction &ui)
{
    if (model.current() < 0)
        return true;
    try {
        model.post(db);
        return true;
    } catch (const StoreError &e) {
        const StationRow &r = model.row(model.current());
        ui.error(AssistantText::AppTitle(),
                 e.isConstraint() ? StationKeyViolationText(r.dt, r.sec, r.mesa) : e.message());
        return false;
    }
}

bool DeleteStation(StationsModel &model, Database &db, Interaction &ui)
{
    if (model.current() < 0)
        return false;
    if (!ui.ask(QStringLiteral("Mesa"), QStringLiteral("¿ Seguro que desea BORRAR LA MESA ?")))
        return false;
    try {
        model.removeCurrent(db);
        return true;
    } catch (const StoreError &e) {
        ui.error(AssistantText::AppTitle(), e.message());
        return false;
    }
}

bool SavePendingStation(StationsModel &model, Database &db, Interaction &ui)
{
    if (!model.isModified()) {
        if (model.state() != StationsModel::State::Browse)
            model.cancel();
        return true;
    }
    if (ui.ask(AssistantText::SaveTitle(), AssistantText::SaveStation()))
        return SaveStation(model, db, ui);
    model.cancel();
    return true;
}

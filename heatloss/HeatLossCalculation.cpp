#include "heatloss/HeatLossCalculation.h"

#include "heatloss/HeatLossIds.h"
#include "heatloss/InputRanges.h"
#include "heatloss/ProjectModel.h"
#include "platform/core/MessageBox.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace
{

HeatLossMessage RoomMessage(UINT id, std::vector<long> slots, bool warning = false)
{
    HeatLossMessage message;
    message.id = id;
    message.numbers = std::move(slots);
    message.warning = warning;
    return message;
}

HeatLossMessage HeaderError(UINT id)
{
    HeatLossMessage message;
    message.id = id;
    message.icon = MB_ICONEXCLAMATION;
    return message;
}

// The eight orientation codes in the order they are tried, with their surcharge p3.
class Orientations
{
public:
    Orientations()
    {
        for (int k = 0; k < int(m_codes.size()); ++k)
        {
            m_codes[k].LoadString(IDS_HL_ORIENTATION_FIRST + k);
            m_codes[k].MakeUpper();
        }
    }

    // p3 of a code equal to one of the eight without regard to case; false when none is.
    bool Surcharge(const CString& orientation, double& p3) const
    {
        static constexpr std::array<double, 8> surcharges = {-0.05, 0.0, 0.0, 0.05, 0.10, 0.05, 0.05, 0.0};
        CString upper = orientation;
        upper.MakeUpper();
        for (std::size_t k = 0; k < m_codes.size(); ++k)
            if (upper == m_codes[k])
            {
                p3 = surcharges[k];
                return true;
            }
        p3 = 0.0;
        return false;
    }

private:
    std::array<CString, 8> m_codes;
};

// The room's own data, checked in the order the messages are given.
void CheckRoom(const RoomTable::Entry& room, long r, std::vector<HeatLossMessage>& messages)
{
    if (room.number.IsEmpty())
        messages.push_back(RoomMessage(IDS_HL_NO_ROOM_NUMBER, {r}, true));
    if (room.name.IsEmpty())
        messages.push_back(RoomMessage(IDS_HL_NO_ROOM_NAME, {r}, true));
    if (room.Ti == 0)
        messages.push_back(RoomMessage(IDS_HL_NO_ROOM_TEMPERATURE, {r}));
    else if (room.length == 0)
        messages.push_back(RoomMessage(IDS_HL_NO_ROOM_LENGTH, {r}));
    else if (room.width == 0)
        messages.push_back(RoomMessage(IDS_HL_NO_ROOM_WIDTH, {r}));
    else if (room.height == 0)
        messages.push_back(RoomMessage(IDS_HL_NO_ROOM_HEIGHT, {r}));
    else if (room.doors == 0)
        messages.push_back(RoomMessage(IDS_HL_NO_ROOM_DOORS, {r}));
}

UINT WallError(const WallTable::Entry& wall)
{
    if (wall.length == 0)
        return IDS_HL_NO_WALL_LENGTH;
    if (wall.height == 0)
        return IDS_HL_NO_WALL_HEIGHT;
    if (wall.U == 0.0)
        return IDS_HL_NO_WALL_U;
    return 0;
}

UINT OpeningError(const OpeningTable::Entry& opening)
{
    if (opening.length == 0)
        return IDS_HL_NO_OPENING_LENGTH;
    if (opening.height == 0)
        return IDS_HL_NO_OPENING_HEIGHT;
    if (opening.U == 0.0)
        return IDS_HL_NO_OPENING_U;
    if (opening.count == 0)
        return IDS_HL_NO_OPENING_COUNT;
    return 0;
}

bool AllFinite(const HeatLossResults::Room& room)
{
    for (const double value : {room.transmission, room.ventilation, room.total, room.volume, room.floorArea,
                               room.surface, room.perVolume, room.perFloorArea, room.perVolumeKelvin})
        if (!std::isfinite(value))
            return false;
    return true;
}

int SlotEnd(int count, int capacity)
{
    return std::clamp(count, 1, capacity);
}

// Input that a building can have but that is most likely a mistake, gathered over the whole
// run and told once: rooms colder than outside, walls whose openings are larger than they are.
class InputWarnings
{
public:
    void RoomColderThanOutside(long room)
    {
        CString slot;
        slot.Format("<%ld>", room);
        Add(m_coldRooms, slot);
    }
    void OpeningsLargerThanWall(long wall, long room)
    {
        CString format, slot;
        format.LoadString(IDS_HL_WALL_IN_ROOM);
        slot.Format(format, wall, room);
        Add(m_crowdedWalls, slot);
    }
    // The warnings gathered, in the order of their kinds.
    void AppendTo(std::vector<HeatLossMessage>& messages) const
    {
        Append(IDS_HL_COLDER_THAN_OUTSIDE, m_coldRooms, messages);
        Append(IDS_HL_OPENINGS_LARGER_THAN_WALL, m_crowdedWalls, messages);
    }

private:
    static void Add(CString& list, const CString& item)
    {
        if (!list.IsEmpty())
            list += ", ";
        list += item;
    }
    static void Append(UINT id, const CString& list, std::vector<HeatLossMessage>& messages)
    {
        if (list.IsEmpty())
            return;
        HeatLossMessage message;
        message.id = id;
        message.argument = list;
        message.captionId = IDS_HL_CAPTION_WARNING;
        message.icon = MB_ICONEXCLAMATION;
        message.warning = true;
        messages.push_back(message);
    }

    CString m_coldRooms;
    CString m_crowdedWalls;
};

// Transmission through the room's walls and their openings, Q_trans in W, and the joint air
// permeability S of the room. An error message ends the room.
bool RoomTransmission(const ProjectModel& model, int r, const CalculationSwitches& switches, double& transmission,
                      double& S, std::vector<HeatLossMessage>& messages, InputWarnings& warnings)
{
    transmission = 0.0;
    S = 0.0;
    const int wallEnd = SlotEnd(model.Rooms[r].wallCount, MAX_WALLS);
    for (int w = 1; w < wallEnd; ++w)
    {
        const WallTable::Entry& wall = model.Walls.At(r, w);
        if (const UINT error = switches.checkWalls ? WallError(wall) : 0)
        {
            messages.push_back(RoomMessage(error, {w, r}));
            return false;
        }
        double openingArea = 0.0;
        double openingUA = 0.0;
        double wallS = 0.0;
        const int openingEnd = SlotEnd(wall.openingCount, MAX_OPENINGS);
        for (int o = 1; o < openingEnd; ++o)
        {
            const OpeningTable::Entry& opening = model.Openings.At(r, w, o);
            if (const UINT error = switches.checkOpenings ? OpeningError(opening) : 0)
            {
                messages.push_back(RoomMessage(error, {o, w, r}));
                return false;
            }
            const double area = opening.count * (opening.length * 0.001) * (opening.height * 0.001);
            openingArea += area;
            openingUA += area * opening.U;
            wallS += opening.jointLength * opening.i * (opening.count * 0.001) * 0.0001;
        }
        const double wallArea = wall.length * 0.001 * wall.height * 0.001;
        if (openingArea > wallArea)
            warnings.OpeningsLargerThanWall(w, r);
        const double wallLoss = ((wallArea - openingArea) * wall.U + openingUA) * wall.temperatureDifference;
        transmission += wallLoss;
        S += wallS;
    }
    return true;
}

} // namespace

CalculationOutcome CalculateHeatLosses(ProjectModel& model, const CalculationSwitches& switches)
{
    CalculationOutcome outcome;
    InputWarnings warnings;
    auto stop = [&outcome, &warnings](HeatLossMessage message)
    {
        warnings.AppendTo(outcome.messages);
        outcome.messages.push_back(std::move(message));
        outcome.result = 0;
        return outcome;
    };
    HeatLossTotals& totals = model.Totals;
    totals = HeatLossTotals();
    const ProjectHeader& header = model.Header;
    if (header.Te == 0)
        return stop(HeaderError(IDS_HL_NO_OUTDOOR_TEMPERATURE));
    if (header.B == 0)
        return stop(HeaderError(IDS_HL_NO_BUILDING_NUMBER));
    if (switches.checkRooms && model.Rooms.count <= 1)
        return stop(HeaderError(IDS_HL_NO_ROOM));
    // Whatever the checks: no value that a building cannot have reaches the results.
    if (HeatLossMessage outOfRange = FirstValueOutOfRange(model); !outOfRange.IsEmpty())
        return stop(std::move(outOfRange));

    const Orientations orientations;
    const int roomEnd = SlotEnd(model.Rooms.count, MAX_ROOMS);
    for (int r = 1; r < roomEnd; ++r)
    {
        const RoomTable::Entry& room = model.Rooms[r];
        if (switches.checkRooms)
        {
            CheckRoom(room, r, outcome.messages);
            if (!outcome.messages.empty() && !outcome.messages.back().warning)
            {
                HeatLossMessage error = outcome.messages.back();
                outcome.messages.pop_back();
                return stop(std::move(error));
            }
        }
        // Whole degrees; kept as a double so that no pair of temperatures overflows.
        const double dt = double(room.Ti) - header.Te;
        if (dt < 0.0)
            warnings.RoomColderThanOutside(r);
        if (switches.checkRooms && room.wallCount <= 1)
            return stop(RoomMessage(IDS_HL_NO_WALL, {r}));

        double transmission = 0.0;
        double S = 0.0;
        if (!RoomTransmission(model, r, switches, transmission, S, outcome.messages, warnings))
        {
            HeatLossMessage error = outcome.messages.back();
            outcome.messages.pop_back();
            return stop(std::move(error));
        }

        const double M = RoomCharacteristicNumber(S, room.doors);
        double ventilation = double(header.B) * dt * M * S * 1300.0;

        const double L = room.length;
        const double W = room.width;
        const double H = room.height;
        const double volume = (H * 0.001) * (L * 0.001) * (W * 0.001);
        const double floorArea = (L * 0.001) * (W * 0.001);
        const double surface = (W * L + (W + L) * H) * 2e-6;
        if (dt == 0 || volume == 0.0 || floorArea == 0.0 || surface == 0.0)
            return stop(RoomMessage(IDS_HL_ROOM_NOT_COMPUTABLE, {r}));

        const double p1 = transmission / (surface * dt) * 0.15;
        double p3 = 0.0;
        if (!orientations.Surcharge(room.orientation, p3) && switches.checkRooms)
            return stop(RoomMessage(IDS_HL_NO_ORIENTATION, {r}));
        const double Qp = (header.p2 + p3 + p1 + 1.0) * transmission;

        const double Qmin = room.airExchange * dt * 0.36;
        if (ventilation - Qmin <= 0.0)
            ventilation = Qmin;
        double Qc = Qp + ventilation;
        if (switches.round)
            Qc = RoundHeatLoss(Qc);

        HeatLossResults::Room result;
        result.ventilation = ventilation;
        result.transmission = Qp;
        result.total = Qc;
        result.volume = volume;
        result.floorArea = floorArea;
        result.surface = surface;
        result.perVolume = Qc / volume;
        result.perFloorArea = Qc / floorArea;
        result.perVolumeKelvin = Qc / volume / dt;
        if (!AllFinite(result))
            return stop(RoomMessage(IDS_HL_ROOM_OUT_OF_RANGE, {r}));
        model.Results[r] = result;
        totals.volume += volume;
        totals.transmission += Qp;
        totals.ventilation += ventilation;
        totals.total += Qc;
    }
    totals.perVolume = totals.volume != 0.0 ? totals.total / totals.volume : 0.0;
    warnings.AppendTo(outcome.messages);
    outcome.result = 1;
    return outcome;
}

double RoomCharacteristicNumber(double S, int doors)
{
    if (doors == 0)
        return 1.0;
    const double x = S / doors;
    // A negative permeability is judged by its magnitude against wider bounds.
    const double y = x >= 0.0 ? x : -x;
    const double low = x >= 0.0 ? 0.0015 : 0.003;
    const double high = x >= 0.0 ? 0.0025 : 0.005;
    if (y < low)
        return 0.7;
    if (y > high)
        return 0.4;
    return 0.5;
}

double RoundHeatLoss(double x)
{
    double steps = 0.0;
    double step = 0.0;
    if (x <= 500.0)
    {
        steps = std::floor(x * 0.1 + 1.0);
        step = 10.0;
    }
    else if (x <= 1000.0)
    {
        steps = std::floor(x * 0.05 + 0.5);
        step = 20.0;
    }
    else
    {
        steps = std::floor(x * 0.02 + 0.5);
        step = 50.0;
    }
    return steps * step;
}

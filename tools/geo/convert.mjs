// Converts the es-atlas TopoJSON of Spain into the polygon and name sources of
// the three clickable maps (data/src/geo). Run by a maintainer: see README.md.
//
//   node convert.mjs [OUT_DIR]      (default: ../../data/src/geo)
//
// Every map is drawn from the same topology: the arcs are projected to picture
// pixels first and simplified one by one, so two areas that share a border
// keep exactly the same vertices on it and the rasteriser gives every pixel one
// area. Output coordinates are picture pixels: the pixel with 1-based number
// (x, y) covers [x - 1, x) x [y - 1, y).
import { readFileSync, writeFileSync, mkdirSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import path from 'node:path';
import * as topojson from 'topojson-client';

const here = path.dirname(fileURLToPath(import.meta.url));
const outDir = path.resolve(process.argv[2] ?? path.join(here, '../../data/src/geo'));
const atlasFile = path.join(here, 'node_modules/es-atlas/es/municipalities.json');
const atlas = JSON.parse(readFileSync(atlasFile, 'utf8'));
const atlasVersion = JSON.parse(readFileSync(path.join(here, 'node_modules/es-atlas/package.json'), 'utf8')).version;

const WIDTH = 281;
const SPAIN_HEIGHT = 196;
const DETAIL_HEIGHT = 220;
const TOLERANCE = 0.35; // pixels, for the Douglas-Peucker simplification

// ---------------------------------------------------------------- geometry --

// Absolute longitude/latitude of every arc of the topology.
function decodeArcs(topology) {
  const [sx, sy] = topology.transform.scale;
  const [tx, ty] = topology.transform.translate;
  return topology.arcs.map((arc) => {
    let x = 0;
    let y = 0;
    return arc.map(([dx, dy]) => {
      x += dx;
      y += dy;
      return [x * sx + tx, y * sy + ty];
    });
  });
}
const lonLatArcs = decodeArcs(atlas);

function segmentDistance(p, a, b) {
  const dx = b[0] - a[0];
  const dy = b[1] - a[1];
  const len2 = dx * dx + dy * dy;
  let t = len2 === 0 ? 0 : ((p[0] - a[0]) * dx + (p[1] - a[1]) * dy) / len2;
  t = Math.max(0, Math.min(1, t));
  return Math.hypot(p[0] - a[0] - t * dx, p[1] - a[1] - t * dy);
}

// Douglas-Peucker keeping both end points (a closed arc keeps its farthest point too).
function simplify(points, tolerance) {
  if (points.length <= 2) return points;
  const keep = new Uint8Array(points.length);
  keep[0] = 1;
  keep[points.length - 1] = 1;
  const stack = [[0, points.length - 1]];
  while (stack.length) {
    const [i, j] = stack.pop();
    let worst = -1;
    let at = -1;
    for (let k = i + 1; k < j; ++k) {
      const d = segmentDistance(points[k], points[i], points[j]);
      if (d > worst) {
        worst = d;
        at = k;
      }
    }
    const closed = points[i][0] === points[j][0] && points[i][1] === points[j][1];
    if (at >= 0 && (worst > tolerance || (closed && j - i > 2 && i === 0))) {
      keep[at] = 1;
      stack.push([i, at], [at, j]);
    }
  }
  return points.filter((_, k) => keep[k]);
}

const round1 = (v) => Math.round(v * 10) / 10;

// A copy of the topology whose arcs are already in picture pixels.
function projectedTopology(project) {
  const arcs = lonLatArcs.map((arc) =>
    simplify(arc.map(project), TOLERANCE).map(([x, y]) => [round1(x), round1(y)]),
  );
  return { type: 'Topology', objects: atlas.objects, arcs };
}

function ringArea(ring) {
  let a = 0;
  for (let i = 0; i + 1 < ring.length; ++i) a += ring[i][0] * ring[i + 1][1] - ring[i + 1][0] * ring[i][1];
  return a / 2;
}

function polygonsOf(geometry) {
  if (!geometry) return [];
  if (geometry.type === 'Polygon') return [geometry.coordinates];
  if (geometry.type === 'MultiPolygon') return geometry.coordinates;
  return [];
}

// Area-weighted centroid of the largest outer ring.
function mainCentroid(geometry) {
  let best = null;
  let bestArea = 0;
  for (const polygon of polygonsOf(geometry)) {
    const ring = polygon[0];
    let a = 0;
    let cx = 0;
    let cy = 0;
    for (let i = 0; i + 1 < ring.length; ++i) {
      const c = ring[i][0] * ring[i + 1][1] - ring[i + 1][0] * ring[i][1];
      a += c;
      cx += (ring[i][0] + ring[i + 1][0]) * c;
      cy += (ring[i][1] + ring[i + 1][1]) * c;
    }
    if (Math.abs(a) > bestArea) {
      bestArea = Math.abs(a);
      best = [cx / (3 * a), cy / (3 * a)];
    }
  }
  // A municipality that the atlas simplified to a sliver: its first vertex.
  return best ?? polygonsOf(geometry)[0]?.[0]?.[0] ?? null;
}

function pointInRings(rings, [x, y]) {
  let inside = false;
  for (const ring of rings)
    for (let i = 0, j = ring.length - 1; i < ring.length; j = i++) {
      const [xi, yi] = ring[i];
      const [xj, yj] = ring[j];
      if (yi > y !== yj > y && x < ((xj - xi) * (y - yi)) / (yj - yi) + xi) inside = !inside;
    }
  return inside;
}

// Rings of an area as lines "area x,y x,y ..." (closing point left out); rings
// smaller than a tenth of a pixel are dropped.
function ringLines(area, polygons) {
  const lines = [];
  for (const polygon of polygons)
    for (const ring of polygon) {
      if (Math.abs(ringArea(ring)) < 0.1) continue;
      const pts = ring.slice(0, -1).map(([x, y]) => `${x},${y}`);
      lines.push(`${area} ${pts.join(' ')}`);
    }
  return lines;
}

function disc([cx, cy], r, n = 20) {
  const ring = [];
  for (let k = 0; k < n; ++k) {
    const t = (2 * Math.PI * k) / n;
    ring.push([round1(cx + r * Math.cos(t)), round1(cy + r * Math.sin(t))]);
  }
  ring.push(ring[0]);
  return [[ring]];
}

function leastSquares(xs, ys) {
  const n = xs.length;
  let sx = 0;
  let sy = 0;
  let sxx = 0;
  let sxy = 0;
  for (let i = 0; i < n; ++i) {
    sx += xs[i];
    sy += ys[i];
    sxx += xs[i] * xs[i];
    sxy += xs[i] * ys[i];
  }
  const a = (n * sxy - sx * sy) / (n * sxx - sx * sx);
  return [a, (sy - a * sx) / n];
}

// Equirectangular projection of a lon/lat box centred in a w x h picture.
function fitBox(features, w, h, margin) {
  let [x0, y0, x1, y1] = [Infinity, Infinity, -Infinity, -Infinity];
  for (const f of features)
    for (const polygon of polygonsOf(f.geometry))
      for (const [lon, lat] of polygon[0]) {
        x0 = Math.min(x0, lon);
        x1 = Math.max(x1, lon);
        y0 = Math.min(y0, lat);
        y1 = Math.max(y1, lat);
      }
  const k = Math.cos((((y0 + y1) / 2) * Math.PI) / 180);
  const scale = Math.min((w - 2 * margin) / ((x1 - x0) * k), (h - 2 * margin) / (y1 - y0));
  const ox = (w - (x1 - x0) * k * scale) / 2;
  const oy = (h - (y1 - y0) * scale) / 2;
  return ([lon, lat]) => [ox + (lon - x0) * k * scale, oy + (y1 - lat) * scale];
}

const header = (what) => [
  `# ${what}`,
  `# Written by tools/geo/convert.mjs from es-atlas ${atlasVersion} (data: Instituto Geográfico Nacional).`,
  '# Do not edit by hand: change the converter and run it again.',
];

function write(name, lines) {
  writeFileSync(path.join(outDir, name), lines.join('\n') + '\n', 'utf8');
}

const municipalities = topojson.feature(atlas, atlas.objects.municipalities).features;
const municipalityByName = new Map();
for (const m of municipalities) municipalityByName.set(`${m.id.slice(0, 2)}:${m.properties.name}`, m);

// ------------------------------------------------------------------ Spain --

// Regions in the program's order; `ine` is the atlas id of the region. The
// provinces are the entries of the program's province table (entry p is record
// 19 + p of "comunida"; the table turns p into a place file and a letter):
// 64 entries, each region's entries inside one place file, so some provinces
// are split into a capital and the rest, and two entries stay empty (35 and 48:
// the screens rewrite their letters A and H to 5 and 8).
const REGIONS = [
  { ine: '01', name: 'Andalucía', provinces: ['Almería', 'Cádiz', 'Córdoba', 'Granada', 'Huelva', 'Jaén', 'Málaga (capital)', 'Málaga (provincia)', 'Sevilla (capital)', 'Sevilla (provincia)'] },
  { ine: '02', name: 'Aragón', provinces: ['Huesca', 'Teruel', 'Zaragoza'] },
  { ine: '03', name: 'Principado de Asturias', provinces: ['Asturias (zona central: Oviedo, Gijón, Avilés)', 'Asturias (oriente y occidente)'] },
  { ine: '04', name: 'Illes Balears', provinces: ['Illes Balears'] },
  { ine: '05', name: 'Canarias', provinces: ['Las Palmas', 'Santa Cruz de Tenerife'] },
  { ine: '06', name: 'Cantabria', provinces: ['Cantabria'] },
  { ine: '08', name: 'Castilla-La Mancha', provinces: ['Albacete', 'Ciudad Real', 'Cuenca', 'Guadalajara', 'Toledo'] },
  { ine: '07', name: 'Castilla y León', provinces: ['Ávila', 'Burgos', 'León', 'Palencia', 'Salamanca', 'Segovia', 'Soria', 'Valladolid', 'Zamora'] },
  { ine: '09', name: 'Cataluña', provinces: ['Barcelona', 'Barcelona (ciutat): centros en Barcelona', 'Girona', 'Lleida', 'Tarragona', "Terres de l'Ebre"] },
  { ine: '11', name: 'Extremadura', provinces: ['Badajoz', 'Cáceres'] },
  { ine: '12', name: 'Galicia', provinces: ['A Coruña', 'Lugo', 'Ourense', 'Pontevedra'] },
  { ine: '17', name: 'La Rioja', provinces: ['La Rioja'] },
  { ine: '13', name: 'Comunidad de Madrid', provinces: ['Madrid (capital)', 'Madrid (capital, 2): centros en Madrid (capital)', 'Madrid-Norte', 'Madrid-Sur', 'Madrid-Este', 'Madrid-Oeste'] },
  { ine: '14', name: 'Región de Murcia', provinces: ['Región de Murcia'] },
  { ine: '15', name: 'Comunidad Foral de Navarra', provinces: ['Navarra'] },
  { ine: '10', name: 'Comunitat Valenciana', provinces: ['Alicante/Alacant', 'Castellón/Castelló', 'València (ciutat)', 'València (província)'] },
  { ine: '16', name: 'País Vasco', provinces: ['Araba/Álava', 'Bizkaia', 'Gipuzkoa', 'Bilbao'] },
  { ine: '18', name: 'Ceuta', provinces: ['Ceuta'] },
  { ine: '19', name: 'Melilla', provinces: ['Melilla'] },
];
// The program's province table: entry p -> place file digit and letter.
const PROVINCE_TABLE = [
  '37', '38', '39', '3A', '3B', '3C', '3G', '3D', '3E', '3F', '16', '1I', '1J', '1K', '11', '2E',
  '36', '3J', '14', '21', '24', '2D', '26', '27', '12', '13', '17', '1A', '1D', '1E', '1F', '1G',
  '1H', '45', '4A', '46', '47', '48', '49', '2K', '2L', '15', '18', '19', '1B', '2J', '28', '2H',
  '29', '2A', '2B', '2C', '33', '2I', '42', '43', '41', '44', '22', '25', '23', '2G', '31', '32',
];
// One point per region, 1-based picture pixels; each must fall inside its region.
const MARKERS = [
  [102, 141], [156, 73], [82, 41], [221, 100], [204, 162], [111, 42], [128, 108], [100, 68], [188, 64], [77, 111],
  [58, 49], [131, 60], [114, 89], [148, 133], [143, 52], [160, 107], [130, 47], [83, 171], [136, 174],
];
const BALEARES = 4;
const CANARIAS = 5;
const CEUTA = 18;
const MELILLA = 19;
const ISLANDS_AND_CITIES = [BALEARES, CANARIAS, CEUTA, MELILLA];
const CANARY_SCALE = 1.4;
const CANARY_ANCHOR = [-16.6, 28.28]; // centre of Tenerife, put under its marker
const BALEARIC_SCALE = 1.3;
const CITY_RADIUS = 3.6;

function spainMap() {
  const regions = topojson.feature(atlas, atlas.objects.autonomous_regions).features;
  const byIne = new Map(regions.map((f) => [f.id, f]));
  // Mainland projection: least squares of each mainland region's centroid onto its marker.
  const lon = [];
  const lat = [];
  const px = [];
  const py = [];
  REGIONS.forEach((r, i) => {
    if (ISLANDS_AND_CITIES.includes(i + 1)) return;
    const c = mainCentroid(byIne.get(r.ine).geometry);
    lon.push(c[0]);
    lat.push(c[1]);
    px.push(MARKERS[i][0] - 0.5);
    py.push(MARKERS[i][1] - 0.5);
  });
  const [ax, bx] = leastSquares(lon, px);
  const [ay, by] = leastSquares(lat, py);
  const mainland = ([x, y]) => [ax * x + bx, ay * y + by];
  // The Balearic Islands are moved and a little enlarged so that Mallorca lies under its marker.
  const mallorca = mainland(mainCentroid(byIne.get('04').geometry));
  const shift = [MARKERS[BALEARES - 1][0] - 0.5 - mallorca[0], MARKERS[BALEARES - 1][1] - 0.5 - mallorca[1]];
  const balearic = (p) => {
    const [x, y] = mainland(p);
    return [mallorca[0] + shift[0] + (x - mallorca[0]) * BALEARIC_SCALE, mallorca[1] + shift[1] + (y - mallorca[1]) * BALEARIC_SCALE];
  };
  // The Canary Islands go to an inset, enlarged, Tenerife under its marker.
  const anchor = mainland(CANARY_ANCHOR);
  const canary = (p) => {
    const [x, y] = mainland(p);
    return [
      MARKERS[CANARIAS - 1][0] - 0.5 + (x - anchor[0]) * CANARY_SCALE,
      MARKERS[CANARIAS - 1][1] - 0.5 + (y - anchor[1]) * CANARY_SCALE,
    ];
  };
  const project = ([x, y]) => {
    if (x < -12.5 && y < 30.5) return canary([x, y]);
    if (x > 1.1 && y < 40.3) return balearic([x, y]);
    return mainland([x, y]);
  };
  const topo = projectedTopology(project);
  const projected = new Map(topojson.feature(topo, topo.objects.autonomous_regions).features.map((f) => [f.id, f]));

  const lines = header('Regions of Spain on the picture "mapa" (281 x 196): area number, then the x,y pixels of one ring.');
  lines.push('# Ceuta and Melilla are drawn as discs around their markers so that they can be clicked.');
  let inset = [Infinity, Infinity, -Infinity, -Infinity];
  REGIONS.forEach((r, i) => {
    const area = i + 1;
    let polygons;
    if (area === CEUTA || area === MELILLA) polygons = disc([MARKERS[i][0] - 0.5, MARKERS[i][1] - 0.5], CITY_RADIUS);
    else polygons = polygonsOf(projected.get(r.ine).geometry);
    if (area === CANARIAS)
      for (const polygon of polygons)
        for (const [x, y] of polygon[0]) inset = [Math.min(inset[0], x), Math.min(inset[1], y), Math.max(inset[2], x), Math.max(inset[3], y)];
    const rings = polygons.flat();
    if (area === CEUTA || area === MELILLA)
      for (const other of projected.values())
        for (const polygon of polygonsOf(other.geometry))
          for (const ring of polygon)
            for (const [x, y] of ring)
              if (Math.hypot(x - MARKERS[i][0] + 0.5, y - MARKERS[i][1] + 0.5) < CITY_RADIUS + 1.5)
                throw new Error(`the disc of ${r.name} touches ${other.properties.name}`);
    const m = [MARKERS[i][0] - 0.5, MARKERS[i][1] - 0.5];
    if (!pointInRings(rings, m)) throw new Error(`marker ${MARKERS[i]} is not inside ${r.name}`);
    lines.push(...ringLines(area, polygons));
  });
  // The frame of the Canary Islands inset: x0,y0 x1,y1 of its rectangle.
  const frame = [Math.floor(inset[0]) - 2, Math.floor(inset[1]) - 2, Math.ceil(inset[2]) + 1, Math.ceil(inset[3]) + 1];
  lines.push(`frame ${frame[0]},${frame[1]} ${frame[2]},${frame[3]}`);
  write('mapa.txt', lines);
  console.log(`mapa: mainland x = ${ax.toFixed(3)} lon + ${bx.toFixed(2)}, y = ${ay.toFixed(3)} lat + ${by.toFixed(2)}; Balearic shift ${shift.map((v) => v.toFixed(1))}; inset ${frame}`);

  const names = header('Regions (record 1-19 of "comunida") and province entries (record 19 + number): kind, number, region, name.');
  let province = 0;
  REGIONS.forEach((r, i) => {
    names.push(`R\t${i + 1}\t${i + 1}\t${r.name}`);
  });
  REGIONS.forEach((r, i) => {
    const files = new Set();
    for (const p of r.provinces) {
      if (province >= PROVINCE_TABLE.length) throw new Error(`more than ${PROVINCE_TABLE.length} province entries`);
      files.add(PROVINCE_TABLE[province][0]);
      names.push(`P\t${++province}\t${i + 1}\t${p}`);
    }
    if (files.size !== 1) throw new Error(`the entries of ${r.name} lie in place files ${[...files].join(', ')}`);
  });
  if (province !== PROVINCE_TABLE.length) throw new Error(`${province} province entries, not ${PROVINCE_TABLE.length}`);
  write('regions.tsv', names);
}

// -------------------------------------------------------------- Catalonia --

// The 41 comarques (division before the Moianès of 2015 and the Lluçanès of
// 2023), numbered alphabetically with the Barcelonès moved to 37. Each has its
// two-letter code, its provinces (atlas province ids) and its seed towns: the
// capital first, then member municipalities that fix the shape. A municipality
// that is not a seed joins the comarca of the nearest seed of its own province.
const COMARQUES = [
  ['AC', 'Alt Camp', '43', ['Valls', 'Alcover', 'El Pla de Santa Maria', 'Cabra del Camp', 'Vila-rodona', 'Aiguamúrcia', 'Querol', 'Vilabella', 'Nulles', 'Bràfim', 'Puigpelat', 'Alió', 'Mont-ral', 'El Milà', 'Figuerola del Camp', 'Rodonyà', 'Vallmoll', 'Els Garidells', 'La Riba', 'El Rourell']],
  ['AE', 'Alt Empordà', '17', ['Figueres', 'Roses', 'Llançà', 'Portbou', 'La Jonquera', "Castelló d'Empúries", "L'Escala", 'Agullana', 'Maçanet de Cabrenys', 'Sant Llorenç de la Muga', 'Cadaqués', 'Vilafant', 'Bàscara', 'Albanyà', 'Sant Pere Pescador', 'Navata', 'Colera', 'Darnius', 'Cistella', 'Lladó', 'Viladamat', 'Ventalló', 'Garrigàs']],
  ['AP', 'Alt Penedès', '08', ['Vilafranca del Penedès', "Sant Sadurní d'Anoia", 'Gelida', 'Torrelles de Foix', 'Pontons', 'Subirats', 'Santa Margarida i els Monjos', 'Mediona', 'Sant Quintí de Mediona', 'Olesa de Bonesvalls', 'Avinyonet del Penedès', 'Font-rubí', 'Pacs del Penedès', 'Castellet i la Gornal', 'Les Cabanyes', 'Olèrdola', 'Puigdàlber', 'Sant Martí Sarroca', 'Torrelavit', 'Sant Llorenç d\'Hortons', 'La Granada', 'Castellví de la Marca', 'Santa Fe del Penedès']],
  ['AU', 'Alt Urgell', '25', ["La Seu d'Urgell", 'Oliana', 'Organyà', 'Coll de Nargó', 'Les Valls de Valira', 'Montferrer i Castellbò', 'Josa i Tuixén', 'Peramola', "Ribera d'Urgellet", 'Estamariu', 'Cabó', 'Bassella', 'Fígols i Alinyà', "Les Valls d'Aguilar", 'Arsèguel', 'Alàs i Cerc', 'El Pont de Bar', 'Cava', 'La Vansa i Fórnols']],
  ['AR', 'Alta Ribagorça', '25', ['El Pont de Suert', 'La Vall de Boí', 'Vilaller']],
  ['AN', 'Anoia', '08', ['Igualada', 'Calaf', 'Capellades', 'Piera', 'Masquefa', 'Els Hostalets de Pierola', 'La Pobla de Claramunt', 'Vilanova del Camí', 'Santa Margarida de Montbui', 'Jorba', 'Òdena', 'Els Prats de Rei', 'Copons', 'Argençola', 'Bellprat', 'Sant Martí de Tous', 'Castellfollit de Riubregós', "Cabrera d'Anoia", 'Montmaneu', 'Calonge de Segarra', 'Pujalt', 'Rubió', 'Sant Martí Sesgueioles', 'La Torre de Claramunt', "Vallbona d'Anoia", 'Carme', 'Orpí', 'Santa Maria de Miralles', 'La Llacuna', 'El Bruc', 'Castellolí']],
  ['BG', 'Bages', '08', ['Manresa', 'Cardona', 'Navarcles', 'Sant Vicenç de Castellet', 'Súria', 'Sallent', 'Artés', 'Avinyó', 'Santpedor', 'Sant Fruitós de Bages', 'Monistrol de Montserrat', 'Castellbell i el Vilar', 'Navàs', 'Balsareny', 'Sant Joan de Vilatorrada', 'Aguilar de Segarra', 'Rajadell', 'Fonollosa', 'Castellfollit del Boix', 'Sant Salvador de Guardiola', 'Marganell', 'El Pont de Vilomara i Rocafort', 'Mura', 'Talamanca', 'Gaià', 'Callús', 'Sant Mateu de Bages', 'Castellgalí', 'Sant Feliu Sasserra', 'Moià', 'Calders', 'Monistrol de Calders', "L'Estany", "Santa Maria d'Oló"]],
  ['BC', 'Baix Camp', '43', ['Reus', 'Cambrils', 'Mont-roig del Camp', 'Riudoms', "Vandellòs i l'Hospitalet de l'Infant", 'Prades', 'Riudecanyes', 'Alforja', 'Vilaplana', 'La Selva del Camp', 'Castellvell del Camp', 'Almoster', 'Botarell', 'Capafonts', 'Duesaigües', 'Maspujols', 'Vinyols i els Arcs', "L'Aleixar", 'Arbolí', 'La Febró', 'Montbrió del Camp', 'Les Borges del Camp', 'Riudecols', 'Colldejou', "L'Argentera", 'Pratdip', "Vilanova d'Escornalbou"]],
  ['BE', 'Baix Ebre', '43', ['Tortosa', "L'Ametlla de Mar", "L'Ampolla", 'Deltebre', 'Roquetes', 'Camarles', "L'Aldea", 'Aldover', 'Xerta', 'Paüls', 'Alfara de Carles', 'Tivenys', 'Benifallet', 'El Perelló']],
  ['BM', 'Baix Empordà', '17', ["La Bisbal d'Empordà", 'Palafrugell', 'Palamós', 'Sant Feliu de Guíxols', "Castell-Platja d'Aro", 'Calonge i Sant Antoni', 'Torroella de Montgrí', 'Begur', 'Pals', "Santa Cristina d'Aro", 'Verges', 'Corçà', 'La Pera', 'Ullastret', 'Forallac', 'Mont-ras', 'Vall-llobrega', 'Torrent', 'Regencós', 'Foixà', 'Rupià', 'Ullà', "Bellcaire d'Empordà", 'Albons', 'Gualta', 'Fontanilles', 'Serra de Daró', 'Palau-sator', 'Parlavà', 'Cruïlles, Monells i Sant Sadurní de l\'Heura', 'Colomers', 'Jafre', "La Tallada d'Empordà"]],
  ['BL', 'Baix Llobregat', '08', ['Sant Boi de Llobregat', 'Cornellà de Llobregat', 'El Prat de Llobregat', 'Castelldefels', 'Gavà', 'Viladecans', 'Martorell', 'Molins de Rei', 'Sant Feliu de Llobregat', 'Esparreguera', 'Olesa de Montserrat', 'Sant Andreu de la Barca', 'Abrera', 'Collbató', 'El Papiol', 'Begues', 'Vallirana', 'Cervelló', 'Corbera de Llobregat', 'La Palma de Cervelló', 'Sant Vicenç dels Horts', 'Torrelles de Llobregat', 'Sant Climent de Llobregat', 'Santa Coloma de Cervelló', 'Pallejà', 'Castellví de Rosanes', 'Sant Esteve Sesrovires', 'Sant Just Desvern', 'Esplugues de Llobregat', 'Sant Joan Despí']],
  ['BP', 'Baix Penedès', '43', ['El Vendrell', 'Calafell', 'Cunit', 'Santa Oliva', "L'Arboç", 'Banyeres del Penedès', 'Bellvei', 'Llorenç del Penedès', 'El Montmell', 'Albinyana', 'Bonastre', 'La Bisbal del Penedès', 'Sant Jaume dels Domenys', 'Masllorenç']],
  ['BR', 'Berguedà', '08 25', ['Berga', 'Gironella', 'Puig-reig', 'Bagà', 'Guardiola de Berguedà', 'Avià', 'Casserres', 'Olvan', 'Cercs', 'La Pobla de Lillet', "Castellar de n'Hug", 'Vilada', 'Montmajor', "L'Espunyola", 'Capolat', 'Gósol', 'Saldes', 'Vallcebre', 'Fígols', 'Borredà', 'Sant Julià de Cerdanyola', 'Gisclareny', "Castell de l'Areny", 'Montclar', 'Viver i Serrateix', 'Santa Maria de Merlès', 'La Quar', 'Sagàs', 'Castellar del Riu', 'La Nou de Berguedà', 'Sant Jaume de Frontanyà']],
  ['CE', 'Cerdanya', '17 25', ['Puigcerdà', 'Llívia', 'Alp', 'Das', 'Bolvir', 'Ger', 'Guils de Cerdanya', 'Fontanals de Cerdanya', 'Isòvol', 'Meranges', 'Urús', 'Bellver de Cerdanya', 'Montellà i Martinet', 'Lles de Cerdanya', 'Prats i Sansor', 'Riu de Cerdanya', 'Prullans']],
  ['CB', 'Conca de Barberà', '43', ['Montblanc', "L'Espluga de Francolí", 'Santa Coloma de Queralt', 'Sarral', 'Vimbodí i Poblet', 'Solivella', 'Barberà de la Conca', 'Blancafort', 'Rocafort de Queralt', 'Pira', 'Vilaverd', 'Les Piles', 'Passanant i Belltall', 'Pontils', 'Conesa', 'Savallà del Comtat', 'Senan', 'Vallfogona de Riucorb', 'Llorac', 'Forès', 'Vallclara', 'Vilanova de Prades', 'Sarral']],
  ['GF', 'Garraf', '08', ['Vilanova i la Geltrú', 'Sitges', 'Sant Pere de Ribes', 'Cubelles', 'Canyelles', 'Olivella']],
  ['GR', 'Garrigues', '25', ['Les Borges Blanques', 'Juneda', 'Arbeca', "L'Albi", 'Cervià de les Garrigues', 'Vinaixa', 'La Granadella', 'Bovera', 'Bellaguarda', 'La Pobla de Cérvoles', 'Castelldans', 'Puiggròs', 'El Cogul', "L'Espluga Calba", 'Fulleda', 'Tarrés', 'El Vilosell', 'Els Omellons', 'El Soleràs', 'Juncosa', 'La Floresta', "L'Albagés", 'Granyena de les Garrigues']],
  ['GX', 'Garrotxa', '17', ['Olot', 'Besalú', 'Santa Pau', 'Castellfollit de la Roca', 'Les Preses', 'Sant Joan les Fonts', "La Vall d'en Bas", 'Argelaguer', 'Montagut i Oix', 'Sant Feliu de Pallerols', "Les Planes d'Hostoles", 'Riudaura', 'Tortellà', 'Maià de Montcal', 'Sales de Llierca', 'Beuda', 'Mieres', 'Sant Aniol de Finestres', 'Sant Ferriol', 'La Vall de Bianya', 'Sant Jaume de Llierca']],
  ['GN', 'Gironès', '17', ['Girona', 'Salt', 'Sarrià de Ter', 'Celrà', 'Cassà de la Selva', 'Llagostera', 'Quart', 'Bescanó', 'Sant Gregori', "Canet d'Adri", 'Cervià de Ter', 'Flaçà', 'Juià', 'Bordils', 'Madremanya', 'Sant Joan de Mollet', 'Sant Martí de Llémena', 'Sant Jordi Desvalls', 'Sant Andreu Salou', 'Vilablareix', 'Aiguaviva', 'Fornells de la Selva', 'Campllong', 'Llambilles', 'Sant Martí Vell', 'Viladasens', 'Sant Julià de Ramis']],
  ['MA', 'Maresme', '08', ['Mataró', 'Arenys de Mar', 'Arenys de Munt', 'Calella', 'Malgrat de Mar', 'Pineda de Mar', 'Santa Susanna', 'Canet de Mar', 'Sant Pol de Mar', 'Premià de Mar', 'Premià de Dalt', 'El Masnou', 'Vilassar de Mar', 'Vilassar de Dalt', 'Cabrils', 'Argentona', 'Dosrius', 'Alella', 'Teià', 'Montgat', 'Tiana', 'Òrrius', 'Cabrera de Mar', "Caldes d'Estrac", 'Sant Vicenç de Montalt', 'Sant Andreu de Llavaneres', 'Sant Cebrià de Vallalta', 'Sant Iscle de Vallalta', 'Tordera', 'Palafolls']],
  ['MO', 'Montsià', '43', ['Amposta', 'La Ràpita', 'Alcanar', 'Ulldecona', 'La Sénia', 'Santa Bàrbara', 'Masdenverge', 'Mas de Barberans', 'Godall', 'La Galera', 'Freginals', "Sant Jaume d'Enveja"]],
  ['NO', 'Noguera', '25', ['Balaguer', 'Artesa de Segre', 'Ponts', 'Àger', 'Os de Balaguer', 'Camarasa', 'Vallfogona de Balaguer', 'Térmens', 'Menàrguens', "Bellcaire d'Urgell", 'Albesa', 'Algerri', 'Ivars de Noguera', 'Castelló de Farfanya', 'Tiurana', 'Vilanova de Meià', 'Les Avellanes i Santa Linya', 'La Baronia de Rialb', 'Oliola', 'Cubells', 'Foradada', 'Preixens', 'Alòs de Balaguer', 'La Sentiu de Sió', "Vilanova de l'Aguda", 'Penelles', 'Cabanabona', 'Torrelameu', 'Bellmunt d\'Urgell']],
  ['OS', 'Osona', '08 17', ['Vic', 'Manlleu', 'Torelló', 'Sant Hipòlit de Voltregà', 'Centelles', 'Tona', 'Roda de Ter', 'Taradell', 'Seva', 'Sant Quirze de Besora', 'Les Masies de Voltregà', 'Sant Pere de Torelló', 'Santa Eugènia de Berga', 'Calldetenes', 'Folgueroles', 'Gurb', 'Tavèrnoles', 'Rupit i Pruit', "L'Esquirol", 'Sant Julià de Vilatorta', 'Muntanyola', 'Balenyà', 'Sant Martí de Centelles', 'Vidrà', 'Espinelves', 'Viladrau', 'Montesquiu', 'Orís', 'Sora', 'Sant Boi de Lluçanès', 'Prats de Lluçanès', 'Olost', 'Perafita', 'Lluçà', 'Alpens', 'Oristà', "Sant Martí d'Albars", 'Sobremunt', 'Sant Agustí de Lluçanès', 'Collsuspina', 'Sant Bartomeu del Grau', 'Santa Cecília de Voltregà', 'Sant Vicenç de Torelló', "Sant Sadurní d'Osormort", 'Tavertet', 'Malla', 'Les Masies de Roda']],
  ['PJ', 'Pallars Jussà', '25', ['Tremp', 'La Pobla de Segur', 'Isona i Conca Dellà', 'Talarn', 'Salàs de Pallars', 'Senterada', 'Sant Esteve de la Sarga', 'Castell de Mur', 'Llimiana', 'Gavet de la Conca', 'Conca de Dalt', 'Abella de la Conca', 'La Torre de Cabdella', 'Sarroca de Bellera']],
  ['PS', 'Pallars Sobirà', '25', ['Sort', "Esterri d'Àneu", 'Rialp', 'Llavorsí', 'Vall de Cardós', 'Alins', 'Tírvia', 'Farrera', 'Lladorre', 'Soriguera', 'Baix Pallars', 'Alt Àneu', "La Guingueta d'Àneu", 'Esterri de Cardós']],
  ['PU', "Pla d'Urgell", '25', ['Mollerussa', 'Bellvís', 'Linyola', "El Palau d'Anglesola", 'Golmés', 'Vilanova de Bellpuig', 'Sidamon', 'Miralcamp', 'Fondarella', 'Torregrossa', 'Castellnou de Seana', 'Barbens', "Ivars d'Urgell", 'Vila-sana', 'El Poal', "Bell-lloc d'Urgell"]],
  ['PE', "Pla de l'Estany", '17', ['Banyoles', 'Porqueres', 'Cornellà del Terri', 'Serinyà', 'Esponellà', 'Vilademuls', 'Fontcoberta', 'Camós', 'Crespià', 'Palol de Revardit', 'Sant Miquel de Campmajor']],
  ['PR', 'Priorat', '43', ['Falset', 'Cornudella de Montsant', 'Porrera', 'Gratallops', 'El Lloar', 'La Morera de Montsant', 'Ulldemolins', 'Margalef', 'La Bisbal de Falset', 'Cabacés', 'La Vilella Alta', 'La Vilella Baixa', 'Poboleda', 'Torroja del Priorat', 'Bellmunt del Priorat', 'Els Guiamets', 'Marçà', 'Capçanes', 'El Molar', 'La Figuera', 'Pradell de la Teixeta', 'La Torre de Fontaubella']],
  ['RE', "Ribera d'Ebre", '43', ["Móra d'Ebre", 'Móra la Nova', 'Flix', 'Ascó', "Riba-roja d'Ebre", 'Vinebre', "La Torre de l'Espanyol", 'Tivissa', 'Garcia', 'Benissanet', 'Miravet', 'Ginestar', 'Rasquera', "La Palma d'Ebre"]],
  ['RI', 'Ripollès', '17', ['Ripoll', 'Camprodon', 'Sant Joan de les Abadesses', 'Ribes de Freser', 'Campdevànol', 'Sant Pau de Segúries', 'Planoles', 'Queralbs', 'Setcases', 'Vallfogona de Ripollès', 'Llanars', 'Molló', 'Vilallonga de Ter', 'Gombrèn', 'Ogassa', 'Les Llosses', 'Pardines', 'Toses', 'Campelles']],
  ['SE', 'Segarra', '25', ['Cervera', 'Guissona', 'Torrefeta i Florejacs', 'Sant Guim de Freixenet', 'Tarroja de Segarra', 'Granyanella', 'Sant Ramon', 'Massoteres', 'Talavera', 'Estaràs', "Ribera d'Ondara", 'Montoliu de Segarra', 'Els Plans de Sió', 'Les Oluges', 'Biosca', 'Sanaüja', 'Torà', 'Ivorra', 'Granyena de Segarra', 'Sant Guim de la Plana', 'Montornès de Segarra']],
  ['SG', 'Segrià', '25', ['Lleida', 'Alcarràs', 'Almacelles', 'Alpicat', 'Torrefarrera', 'Alcoletge', 'Aitona', 'Seròs', 'Maials', 'Soses', 'Torres de Segre', 'Alguaire', 'Almenar', 'Alfarràs', 'Rosselló', 'Vilanova de Segrià', 'Benavent de Segrià', 'Torre-serona', 'Artesa de Lleida', 'Sunyer', 'Sarroca de Lleida', 'Llardecans', 'Alfés', "La Granja d'Escarp", 'Massalcoreig', 'Sudanell', 'Montoliu de Lleida', 'Aspa', 'Puigverd de Lleida', 'Corbins', 'Albatàrrec', 'Gimenells i el Pla de la Font', 'Torrebesses', 'Vilanova de la Barca', 'La Portella', 'Els Alamús', 'Alcanó']],
  ['SL', 'Selva', '17 08', ['Santa Coloma de Farners', 'Blanes', 'Lloret de Mar', 'Tossa de Mar', 'Hostalric', 'Breda', 'Arbúcies', 'Sant Hilari Sacalm', 'Anglès', 'Amer', 'La Cellera de Ter', 'Sils', 'Vidreres', 'Maçanet de la Selva', 'Riudarenes', 'Caldes de Malavella', 'Riells i Viabrea', 'Massanes', 'Brunyola i Sant Martí Sapresa', 'Osor', 'Susqueda', 'Sant Julià del Llor i Bonmatí', 'Fogars de la Selva', 'Sant Feliu de Buixalleu', "Vilobí d'Onyar", 'Riudellots de la Selva']],
  ['SO', 'Solsonès', '25', ['Solsona', 'Sant Llorenç de Morunys', 'Olius', 'Navès', 'Riner', 'Pinós', 'Clariana de Cardener', 'Castellar de la Ribera', 'Lladurs', 'Odèn', 'Guixers', 'La Coma i la Pedra', 'Llobera', 'La Molsosa', 'Pinell de Solsonès']],
  ['TA', 'Tarragonès', '43', ['Tarragona', 'Salou', 'Vila-seca', 'Torredembarra', 'Altafulla', 'El Catllar', 'La Canonja', 'Constantí', 'Roda de Berà', 'Creixell', 'La Riera de Gaià', 'La Pobla de Mafumet', 'El Morell', 'Perafort', 'Vespella de Gaià', 'La Nou de Gaià', 'Renau', 'Els Pallaresos', 'La Secuita', 'Salomó', 'Vilallonga del Camp', 'La Pobla de Montornès']],
  ['TE', 'Terra Alta', '43', ['Gandesa', 'Horta de Sant Joan', 'Batea', "Corbera d'Ebre", 'La Fatarella', 'Vilalba dels Arcs', 'Caseres', 'Bot', 'Prat de Comte', 'Arnes', 'La Pobla de Massaluca', 'El Pinell de Brai']],
  ['BN', 'Barcelonès', '08', ['Barcelona', "L'Hospitalet de Llobregat", 'Badalona', 'Santa Coloma de Gramenet', 'Sant Adrià de Besòs']],
  ['UR', 'Urgell', '25', ['Tàrrega', 'Agramunt', 'Bellpuig', 'Anglesola', 'Verdú', 'Preixana', 'Vilagrassa', 'Ossó de Sió', "Puigverd d'Agramunt", 'Maldà', 'Guimerà', 'Sant Martí de Riucorb', 'Vallbona de les Monges', 'Els Omells de na Gaia', 'Belianes', 'Castellserà', 'Tornabous', 'Ciutadilla', 'Nalec']],
  ['VA', "Val d'Aran", '25', ['Vielha e Mijaran', 'Naut Aran', 'Bossòst', 'Les', 'Es Bòrdes', 'Arres', 'Bausen', 'Canejan', 'Vilamòs']],
  ['VC', 'Vallès Occidental', '08', ['Sabadell', 'Terrassa', 'Rubí', 'Sant Cugat del Vallès', 'Cerdanyola del Vallès', 'Barberà del Vallès', 'Ripollet', 'Montcada i Reixac', 'Badia del Vallès', 'Castellar del Vallès', 'Sentmenat', 'Polinyà', 'Santa Perpètua de Mogoda', 'Palau-solità i Plegamans', 'Sant Quirze del Vallès', 'Matadepera', 'Ullastrell', 'Viladecavalls', 'Vacarisses', 'Gallifa', 'Rellinars', 'Sant Llorenç Savall', 'Castellbisbal']],
  ['VO', 'Vallès Oriental', '08', ['Granollers', 'Mollet del Vallès', 'Cardedeu', 'La Garriga', 'Les Franqueses del Vallès', 'Sant Celoni', 'Parets del Vallès', 'La Llagosta', 'Montmeló', 'Montornès del Vallès', 'Vilanova del Vallès', 'La Roca del Vallès', 'Llinars del Vallès', 'Sant Antoni de Vilamajor', 'Sant Pere de Vilamajor', 'Santa Maria de Palautordera', 'Sant Esteve de Palautordera', 'Montseny', 'Fogars de Montclús', 'Gualba', 'Vallgorguina', 'Vilalba Sasserra', 'Cànoves i Samalús', 'Figaró-Montmany', 'Aiguafreda', 'Tagamanent', 'Bigues i Riells del Fai', 'Vallromanes', "L'Ametlla del Vallès", "Lliçà d'Amunt", 'Lliçà de Vall', 'Santa Eulàlia de Ronçana', 'Caldes de Montbui', 'Sant Feliu de Codines', 'Campins', 'Martorelles', 'Santa Maria de Martorelles', 'Sant Fost de Campsentelles', 'Canovelles', 'Castellcir', 'Castellterçol', 'Granera', 'Sant Quirze Safaja']],
];
// The ten districts of the city of Barcelona (code = district number).
const BARCELONA_DISTRICTS = ['Ciutat Vella', 'Eixample', 'Sants-Montjuïc', 'Les Corts', 'Sarrià-Sant Gervasi', 'Gràcia', 'Horta-Guinardó', 'Nou Barris', 'Sant Andreu', 'Sant Martí'];

// Assigns every municipality of the given provinces to one of the groups:
// seeds directly, the others to the nearest seed of a group allowed in their
// province (distances in kilometres on the local plane).
function assign(groups, provinceIds, warn) {
  const members = municipalities.filter((m) => provinceIds.includes(m.id.slice(0, 2)));
  const centre = new Map(members.map((m) => [m.id, mainCentroid(m.geometry)]));
  const owner = new Map();
  const how = new Map();
  const seeds = [];
  groups.forEach((g, gi) => {
    for (const town of g.seeds) {
      const m = g.provinces.map((p) => municipalityByName.get(`${p}:${town}`)).find(Boolean);
      if (!m) {
        warn.push(`seed not in the atlas (skipped): ${town} (${g.name})`);
        continue;
      }
      if (owner.has(m.id) && owner.get(m.id) !== gi)
        throw new Error(`${town} is a seed of ${groups[owner.get(m.id)].name} and ${g.name}`);
      owner.set(m.id, gi);
      how.set(m.id, 'seed');
      seeds.push({ gi, at: centre.get(m.id), provinces: g.provinces });
    }
  });
  const k = Math.cos((members.length ? centre.get(members[0].id)[1] : 40) * Math.PI / 180);
  for (const m of members) {
    if (owner.has(m.id)) continue;
    const c = centre.get(m.id);
    let best = -1;
    let bestD = Infinity;
    for (const s of seeds) {
      if (!s.provinces.includes(m.id.slice(0, 2))) continue;
      const d = Math.hypot((c[0] - s.at[0]) * k, c[1] - s.at[1]);
      if (d < bestD) {
        bestD = d;
        best = s.gi;
      }
    }
    owner.set(m.id, best);
    how.set(m.id, `nearest seed, ${(bestD * 111.2).toFixed(1)} km`);
  }
  return { members, owner, how };
}

function detailMap(file, title, groups, provinceIds, membersFile) {
  const warn = [];
  const { members, owner, how } = assign(groups, provinceIds, warn);
  for (const w of warn) console.log(`${file}: ${w}`);
  const project = fitBox(members, WIDTH, DETAIL_HEIGHT, 6);
  const topo = projectedTopology(project);
  const geoms = topo.objects.municipalities.geometries;
  const lines = header(title);
  groups.forEach((g, gi) => {
    const own = geoms.filter((m) => owner.get(m.id) === gi);
    if (!own.length) throw new Error(`${g.name} has no municipality`);
    const merged = topojson.merge(topo, own);
    const parts = polygonsOf(merged).filter((p) => Math.abs(ringArea(p[0])) >= 1);
    if (parts.length > 1) {
      // Report the municipalities outside the largest piece, for review.
      const largest = parts.reduce((a, b) => (Math.abs(ringArea(a[0])) >= Math.abs(ringArea(b[0])) ? a : b));
      const apart = own.filter((m) => {
        const c = mainCentroid(topojson.feature(topo, m).geometry);
        return c && !pointInRings(largest, c);
      });
      console.log(`${file}: ${g.name} is drawn in ${parts.length} pieces; apart: ${apart.map((m) => m.properties.name).join(', ')}`);
    }
    lines.push(...ringLines(gi + 1, polygonsOf(merged)));
  });
  write(file, lines);
  const list = header(`Membership of every municipality (INE code, name, area number, area name, how it was decided).`);
  for (const m of [...members].sort((a, b) => a.id.localeCompare(b.id))) {
    const gi = owner.get(m.id);
    list.push(`${m.id}\t${m.properties.name}\t${gi + 1}\t${groups[gi].name}\t${how.get(m.id)}`);
  }
  write(membersFile, list);
}

// The code of an area in the name files is also the code the vocational place
// files carry for it: the letter of the area's province entry in its place file
// (Catalonia, lu4: 5 Barcelona, 6 Girona, 7 Lleida, 8 Tarragona, 9 Terres de
// l'Ebre; Madrid, lu2: 8 capital, 9 north, A south, B east, C west) followed by
// one character per area number (unique within the file).
const AREA_CHARS = '0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz';
function areaCode(letter, number) {
  if (number >= AREA_CHARS.length) throw new Error(`no code character for area ${number}`);
  return letter + AREA_CHARS[number];
}

// Catalonia: the letter of a comarca is that of the province of its capital
// (its first seed town); the comarques of the Terres de l'Ebre have their own.
const CATALAN_LETTERS = { '08': '5', '17': '6', '25': '7', '43': '8' };
const TERRES_DE_L_EBRE = ['Baix Ebre', 'Montsià', "Ribera d'Ebre", 'Terra Alta'];
const BARCELONA_LETTER = '5';
function comarcaLetter(g) {
  if (TERRES_DE_L_EBRE.includes(g.name)) return '9';
  const capital = g.provinces.map((p) => municipalityByName.get(`${p}:${g.seeds[0]}`)).find(Boolean);
  if (!capital) throw new Error(`the capital of ${g.name} is not in the atlas`);
  return CATALAN_LETTERS[capital.id.slice(0, 2)];
}

function cataloniaMap() {
  const groups = COMARQUES.map(([code, name, provinces, seeds]) => ({ code, name, provinces: provinces.split(' '), seeds }));
  if (groups[36].name !== 'Barcelonès') throw new Error('the Barcelonès must be number 37');
  detailMap('mapac.txt', 'Comarques of Catalonia on the picture "mapac" (281 x 220): area number, then the x,y pixels of one ring.',
    groups, ['08', '17', '25', '43'], 'catalonia-municipalities.tsv');
  const names = header('Names of "comarcas": number, code, name. Numbers 1-41 are the comarques (the values of the map), 42 on the districts of Barcelona.');
  groups.forEach((g, i) => names.push(`${i + 1}\t${areaCode(comarcaLetter(g), i + 1)}\t${g.name}`));
  BARCELONA_DISTRICTS.forEach((d, i) => names.push(`${42 + i}\t${areaCode(BARCELONA_LETTER, 42 + i)}\t${d}`));
  write('comarcas.tsv', names);
}

// ----------------------------------------------------------------- Madrid --

// The 28 zones of the Madrid region: code, the names shown in the caption (at
// most three), and the seed towns (the head town first). Every other
// municipality joins the zone of the nearest seed. MADRID_AREAS gives each
// zone its area (the letter of its province entry in lu2): 8 the capital,
// 9 north, A south, B east, C west, after the territorial areas of the
// region's education department.
const ZONES = [
  ['MD', ['Madrid (capital)'], ['Madrid']],
  ['AH', ['Alcalá de Henares', 'Meco', 'Villalbilla'], ['Alcalá de Henares', 'Meco', 'Los Santos de la Humosa', 'Villalbilla', 'Camarma de Esteruelas', 'Anchuelo', 'Santorcaz', 'Corpa']],
  ['AB', ['Alcobendas'], ['Alcobendas']],
  ['SS', ['S. Sebastián de los Reyes', 'Algete', 'El Molar'], ['San Sebastián de los Reyes', 'Algete', 'El Molar', 'San Agustín del Guadalix', 'Fuente el Saz de Jarama', 'Talamanca de Jarama', 'Valdetorres de Jarama']],
  ['TC', ['Tres Cantos'], ['Tres Cantos']],
  ['CV', ['Colmenar Viejo', 'Manzanares el Real', 'Soto del Real'], ['Colmenar Viejo', 'Manzanares el Real', 'Soto del Real', 'Miraflores de la Sierra', 'Guadalix de la Sierra', 'Hoyo de Manzanares']],
  ['SN', ['Buitrago del Lozoya', 'Sierra Norte', 'Torrelaguna'], ['Buitrago del Lozoya', 'Rascafría', 'Montejo de la Sierra', 'Torrelaguna', 'Lozoya', 'La Cabrera', 'Somosierra', 'Patones', 'Bustarviejo']],
  ['TA', ['Torrejón de Ardoz', 'Daganzo de Arriba', 'Ajalvir'], ['Torrejón de Ardoz', 'Daganzo de Arriba', 'Ajalvir', 'Cobeña', 'Paracuellos de Jarama']],
  ['CS', ['Coslada', 'San Fernando de Henares', 'Mejorada del Campo'], ['Coslada', 'San Fernando de Henares', 'Mejorada del Campo', 'Velilla de San Antonio', 'Loeches']],
  ['AR', ['Arganda del Rey', 'Campo Real', 'Morata de Tajuña'], ['Arganda del Rey', 'Campo Real', 'Morata de Tajuña', 'Nuevo Baztán', 'Perales de Tajuña', 'Tielmes', 'Carabaña', 'Valdilecha']],
  ['RV', ['Rivas-Vaciamadrid'], ['Rivas-Vaciamadrid']],
  ['AJ', ['Aranjuez', 'Chinchón', 'Colmenar de Oreja'], ['Aranjuez', 'Chinchón', 'Colmenar de Oreja', 'Villaconejos', 'Villamanrique de Tajo', 'Fuentidueña de Tajo', 'Estremera', 'Titulcia', 'Belmonte de Tajo', 'Villarejo de Salvanés', 'Brea de Tajo']],
  ['VD', ['Valdemoro', 'Ciempozuelos', 'San Martín de la Vega'], ['Valdemoro', 'Ciempozuelos', 'San Martín de la Vega', 'Torrejón de Velasco']],
  ['PA', ['Parla', 'Pinto', 'Griñón'], ['Parla', 'Pinto', 'Griñón', 'Torrejón de la Calzada', 'Cubas de la Sagra', 'Casarrubuelos']],
  ['GE', ['Getafe'], ['Getafe']],
  ['LE', ['Leganés'], ['Leganés']],
  ['FU', ['Fuenlabrada', 'Humanes de Madrid'], ['Fuenlabrada', 'Humanes de Madrid', 'Moraleja de Enmedio']],
  ['AL', ['Alcorcón'], ['Alcorcón']],
  ['MS', ['Móstoles', 'Arroyomolinos'], ['Móstoles', 'Arroyomolinos']],
  ['NV', ['Navalcarnero', 'El Álamo', 'Villamanta'], ['Navalcarnero', 'El Álamo', 'Villamanta', 'Batres', 'Serranillos del Valle', 'Sevilla la Nueva', 'Villanueva de Perales']],
  ['VO', ['Villaviciosa de Odón'], ['Villaviciosa de Odón']],
  ['BM', ['Boadilla del Monte', 'Villanueva de la Cañada', 'Brunete'], ['Boadilla del Monte', 'Villanueva de la Cañada', 'Brunete', 'Villanueva del Pardillo', 'Quijorna']],
  ['PZ', ['Pozuelo de Alarcón'], ['Pozuelo de Alarcón']],
  ['MJ', ['Majadahonda'], ['Majadahonda']],
  ['LR', ['Las Rozas de Madrid', 'Torrelodones'], ['Las Rozas de Madrid', 'Torrelodones']],
  ['CL', ['Collado Villalba', 'Galapagar', 'Guadarrama'], ['Collado Villalba', 'Galapagar', 'Guadarrama', 'Cercedilla', 'Navacerrada', 'Moralzarzal', 'Alpedrete', 'Collado Mediano', 'Becerril de la Sierra', 'Los Molinos', 'El Boalo', 'Colmenarejo']],
  ['SL', ['S. Lorenzo de El Escorial', 'El Escorial', 'Valdemorillo'], ['San Lorenzo de El Escorial', 'El Escorial', 'Valdemorillo', 'Santa María de la Alameda', 'Zarzalejo', 'Robledo de Chavela', 'Fresnedillas de la Oliva', 'Navalagamella', 'Valdemaqueda']],
  ['SO', ['Sierra Oeste', 'San Martín Valdeiglesias', 'Villa del Prado'], ['San Martín de Valdeiglesias', 'Villa del Prado', 'Cadalso de los Vidrios', 'Cenicientos', 'Pelayos de la Presa', 'Navas del Rey', 'Aldea del Fresno', 'Chapinería', 'Colmenar del Arroyo']],
];

const MADRID_AREAS = {
  '8': ['MD'],
  '9': ['AB', 'SS', 'TC', 'CV', 'SN'],
  'A': ['AJ', 'VD', 'PA', 'GE', 'LE', 'FU', 'AL', 'MS', 'NV'],
  'B': ['AH', 'TA', 'CS', 'AR', 'RV'],
  'C': ['VO', 'BM', 'PZ', 'MJ', 'LR', 'CL', 'SL', 'SO'],
};
function zoneLetter(code) {
  const letters = Object.keys(MADRID_AREAS).filter((l) => MADRID_AREAS[l].includes(code));
  if (letters.length !== 1) throw new Error(`zone ${code} must lie in exactly one Madrid area`);
  return letters[0];
}

function madridMap() {
  const groups = ZONES.map(([code, shown, seeds]) => ({ code, name: shown[0], shown, provinces: ['28'], seeds }));
  detailMap('mapam.txt', 'Zones of the Madrid region on the picture "mapam" (281 x 220): area number, then the x,y pixels of one ring.',
    groups, ['28'], 'madrid-municipalities.tsv');
  const names = header('Lines of "comarcasm": zone number, code, name shown in the caption (at most three lines per zone).');
  groups.forEach((g, i) => {
    for (const s of g.shown) names.push(`${i + 1}\t${areaCode(zoneLetter(g.code), i + 1)}\t${s}`);
  });
  write('comarcasm.tsv', names);
}

mkdirSync(outDir, { recursive: true });
spainMap();
cataloniaMap();
madridMap();
console.log(`written to ${outDir}`);

// The printed sheet: the puzzles 1, 2, 4 or 6 a page, then their answer keys twelve a page,
// numbered like the puzzles. It is built into its own element, which only the print
// stylesheet shows, and the browser's print dialog does the rest.

import { problemTitle, staticGrid } from './grid_view.js';

export const PER_PAGE_CHOICES = [1, 2, 4, 6];
export const ANSWERS_PER_PAGE = 12;

function page(kind, heading) {
  const sheet = document.createElement('section');
  sheet.className = `sheet-page ${kind}`;
  const title = document.createElement('h2');
  title.className = 'sheet-heading';
  title.textContent = heading;
  const grids = document.createElement('div');
  grids.className = 'sheet-grids';
  sheet.append(title, grids);
  return { sheet, grids };
}

function figure(grid, caption) {
  const item = document.createElement('figure');
  item.className = 'sheet-item';
  const text = document.createElement('figcaption');
  text.textContent = caption;
  item.append(text, grid);
  return item;
}

// Pages of `items` (numbered from 1), `perPage` a page.
function pages(items, perPage, kind, heading, draw) {
  const result = [];
  for (let first = 0; first < items.length; first += perPage) {
    const { sheet, grids } = page(kind, heading);
    items.slice(first, first + perPage).forEach((item, k) => {
      grids.append(draw(item, first + k + 1));
    });
    result.push(sheet);
  }
  return result;
}

// Fills `container` with the sheet of `set`'s problems: `perPage` puzzles a page, and the
// answer keys after them when `answers` is true. `title` heads every page.
export function buildSheet(container, set, { perPage = 4, answers = true, title = '' } = {}) {
  const heading = title || `Sudoku, class ${set.difficultyClass}`;
  const puzzles = pages(set.problems, perPage, `puzzles per-${perPage}`, heading, (problem, n) =>
    figure(staticGrid(problem.givens, { label: `Puzzle ${n}` }), problemTitle(problem, n)),
  );
  const keys = answers
    ? pages(set.problems, ANSWERS_PER_PAGE, 'answers', `${heading}: answers`, (problem, n) =>
        figure(
          staticGrid(problem.solution, { givens: problem.givens, label: `Answer ${n}` }),
          String(n),
        ),
      )
    : [];
  container.replaceChildren(...puzzles, ...keys);
  return { puzzlePages: puzzles.length, answerPages: keys.length };
}
